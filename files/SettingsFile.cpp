#include "files/SettingsFile.h"

#include <array>
#include <cstdio>
#include <optional>
#include <ostream>
#include <sstream>

#include "editor/SettingsTables.h"
#include "files/Decimal.h"
#include "files/FileKeys.h"
#include "files/SettingsLines.h"

namespace files {
namespace {

// What a file gave one gateway I/O line's Function and Pulse keys.
struct TLoadedLine {
    bool Function = false;
    std::optional<std::int32_t> Pulse;
};

class TLoad {
public:
    explicit TLoad(editor::TSettingsEditor& settings) : settings_(settings) {}

    void Apply(const TSettingsLine& line) {
        if (!line.HoldsSetting) return;
        const TFileKey* key = FindFileKey(DecimalValue(line.Key));
        if (key == nullptr || key->Kind() == TKeyKind::Reserved) return;
        ApplyKey(*key, key->FixedOnLoad.value_or(DecimalValue(line.Value)));
    }

    // A line whose file gives both its Function and its Pulse gets the range of the loaded
    // function and then the file's pulse, in whichever order the two keys stood. A line
    // given a Function alone keeps its pulse and range: the file does not name them.
    void Finish() {
        for (const TFileKey& key : FileKeys()) {
            if (key.Part != TLinePart::Pulse) continue;
            const TLoadedLine& loaded = lines_[static_cast<std::size_t>(key.Line)];
            if (!loaded.Function || !loaded.Pulse) continue;
            settings_.ApplyPulseRange(settings_.*editor::GatewayLines()[static_cast<std::size_t>(key.Line)].Function);
            ApplyFileValue(settings_, key, *loaded.Pulse);
        }
        // The lists now hold the loaded selections, with function lists to match.
        settings_.RememberGatewayIndices();
    }

private:
    // A line's I/O key that changes its direction gives the line the function list of the
    // new direction, so that the Function key that follows indexes the list it was saved
    // from.
    void ApplyKey(const TFileKey& key, std::int32_t value) {
        if (key.Line < 0) {
            ApplyFileValue(settings_, key, value);
            return;
        }
        const editor::TGatewayLine& line = editor::GatewayLines()[static_cast<std::size_t>(key.Line)];
        TLoadedLine& loaded = lines_[static_cast<std::size_t>(key.Line)];
        const int directionBefore = (settings_.*line.IO).ItemIndex();
        ApplyFileValue(settings_, key, value);
        switch (key.Part) {
        case TLinePart::IO:
            if ((settings_.*line.IO).ItemIndex() != directionBefore) settings_.RebuildFunctionList(line);
            break;
        case TLinePart::Function: loaded.Function = true; break;
        case TLinePart::Pulse: loaded.Pulse = value; break;
        case TLinePart::None:
        case TLinePart::Active: break;
        }
    }

    editor::TSettingsEditor& settings_;
    std::array<TLoadedLine, editor::kGatewayLines> lines_{};
};

}  // namespace

void WriteSettingsFile(const editor::TSettingsEditor& settings, std::ostream& out) {
    for (const TFileKey& key : FileKeys()) {
        char line[32];
        const int length = std::snprintf(line, sizeof line, "%04d=%d\r\n", key.Key, FileValue(settings, key));
        out.write(line, length);
    }
}

std::string SettingsFileText(const editor::TSettingsEditor& settings) {
    std::ostringstream out;
    WriteSettingsFile(settings, out);
    return out.str();
}

void ApplySettingsFile(editor::TSettingsEditor& settings, std::istream& in, TLoadReport* report) {
    TSettingsLineReader reader(in);
    TSettingsLine line;
    TLoad load(settings);
    while (reader.Next(line)) {
        if (report != nullptr) NoteLine(*report, line, settings);
        load.Apply(line);
    }
    load.Finish();
}

TLoadReport LoadSettingsFile(editor::TSettingsEditor& settings, std::istream& in) {
    TLoadReport report;
    ApplySettingsFile(settings, in, &report);
    settings.RefreshDependentControls();
    FinishReport(report, settings);
    return report;
}

}  // namespace files
