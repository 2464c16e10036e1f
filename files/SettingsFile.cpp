#include "files/SettingsFile.h"

#include <cstdio>
#include <ostream>

#include "editor/SettingsTables.h"
#include "files/Decimal.h"
#include "files/FileKeys.h"
#include "files/SettingsLines.h"

namespace files {
namespace {

// A line's I/O key that changes its direction gives the line the function list of the
// new direction, so that the Function key that follows indexes the list it was saved
// from; the pulse range follows the loaded function before the Pulse key sets the pulse.
void ApplyKey(editor::TSettingsEditor& settings, const TFileKey& key, std::int32_t value) {
    const editor::TGatewayLine* line =
        key.Line < 0 ? nullptr : &editor::GatewayLines()[static_cast<std::size_t>(key.Line)];
    switch (key.Part) {
    case TLinePart::IO: {
        const int before = (settings.*line->IO).ItemIndex();
        ApplyFileValue(settings, key, value);
        if ((settings.*line->IO).ItemIndex() != before) settings.RebuildFunctionList(*line);
        return;
    }
    case TLinePart::Function:
        ApplyFileValue(settings, key, value);
        settings.ApplyPulseRange(settings.*line->Function);
        return;
    case TLinePart::None:
    case TLinePart::Active:
    case TLinePart::Pulse: ApplyFileValue(settings, key, value); return;
    }
}

void ApplyLine(editor::TSettingsEditor& settings, const TSettingsLine& line) {
    if (!line.HoldsSetting) return;
    const TFileKey* key = FindFileKey(DecimalValue(line.Key));
    if (key == nullptr || key->Kind() == TKeyKind::Reserved) return;
    ApplyKey(settings, *key, key->FixedOnLoad.value_or(DecimalValue(line.Value)));
}

}  // namespace

void WriteSettingsFile(const editor::TSettingsEditor& settings, std::ostream& out) {
    for (const TFileKey& key : FileKeys()) {
        char line[32];
        const int length = std::snprintf(line, sizeof line, "%04d=%d\r\n", key.Key, FileValue(settings, key));
        out.write(line, length);
    }
}

void ApplySettingsFile(editor::TSettingsEditor& settings, std::istream& in) {
    TSettingsLineReader reader(in);
    TSettingsLine line;
    while (reader.Next(line)) ApplyLine(settings, line);
    // The lists now hold the loaded selections, with function lists and pulse ranges to match.
    settings.RememberGatewayIndices();
}

}  // namespace files
