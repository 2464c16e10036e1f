#include "files/SettingsFile.h"

#include <cstdio>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "editor/SettingsTables.h"
#include "files/Decimal.h"
#include "files/FileKeys.h"

namespace files {
namespace {

// The reader's line buffer holds 100 characters with the terminating zero, so a longer
// line comes in pieces of 99 characters, each handled as a line of its own.
constexpr std::size_t kPieceLength = 99;
constexpr char kEndOfFile = 26;  // Ctrl-Z

// Reads the file as a text stream does: CR bytes are dropped, so CR LF and LF read
// alike, and Ctrl-Z ends the file.
class TPieceReader {
public:
    explicit TPieceReader(std::istream& in) : in_(in) {}

    bool Next(std::string& piece) {
        piece.clear();
        char c = 0;
        while (!ended_ && piece.size() < kPieceLength) {
            if (!in_.get(c) || c == kEndOfFile) {
                ended_ = true;
                break;
            }
            if (c == '\r') continue;
            piece.push_back(c);
            if (c == '\n') break;
        }
        return !piece.empty();
    }

private:
    std::istream& in_;
    bool ended_ = false;
};

struct TKeyValue {
    std::string_view Key, Value;
};

// The key text is the first run of characters other than "=", the value text the next
// one. A line whose value is missing, or is nothing but the line feed, is no setting.
bool SplitAtEquals(std::string_view line, TKeyValue& out) {
    const auto keyStart = line.find_first_not_of('=');
    if (keyStart == std::string_view::npos) return false;
    const auto keyEnd = line.find('=', keyStart);
    if (keyEnd == std::string_view::npos) return false;
    const auto valueStart = line.find_first_not_of('=', keyEnd);
    if (valueStart == std::string_view::npos) return false;
    const auto valueEnd = line.find('=', valueStart);
    out.Key = line.substr(keyStart, keyEnd - keyStart);
    out.Value = line.substr(valueStart, valueEnd == std::string_view::npos ? valueEnd : valueEnd - valueStart);
    return out.Value != "\n";
}

// A line's I/O key that changes its direction gives the line the function list of the
// new direction, so that the Function key that follows indexes the list it was saved
// from; the pulse range follows the loaded function before the Pulse key sets the pulse.
void ApplyKey(editor::TSettingsEditor& settings, const TFileKey& key, std::int32_t value) {
    const editor::TGatewayLine* line = key.Line < 0 ? nullptr : &editor::GatewayLines()[static_cast<std::size_t>(key.Line)];
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
    case TLinePart::Pulse:
        ApplyFileValue(settings, key, value);
        if (ControlOf(settings, key) == &settings.LowBatteryBeepVoltageUpDown) settings.ShowLowBatteryVoltage();
        return;
    }
}

void ApplyLine(editor::TSettingsEditor& settings, std::string_view line) {
    TKeyValue text;
    if (!SplitAtEquals(line, text)) return;
    const TFileKey* key = FindFileKey(DecimalValue(text.Key));
    if (key == nullptr || key->Kind() == TKeyKind::Reserved) return;
    ApplyKey(settings, *key, key->FixedOnLoad.value_or(DecimalValue(text.Value)));
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
    TPieceReader reader(in);
    std::string piece;
    while (reader.Next(piece)) ApplyLine(settings, piece);
    // The lists now hold the loaded selections, with function lists and pulse ranges to match.
    settings.RememberGatewayIndices();
}

}  // namespace files
