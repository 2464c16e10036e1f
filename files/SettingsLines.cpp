#include "files/SettingsLines.h"

#include <string_view>

namespace files {
namespace {

constexpr std::size_t kPieceLength = 99;
constexpr char kEndOfFile = 26;  // Ctrl-Z

// A line whose value is missing, or is nothing but the line feed, is no setting.
bool SplitAtEquals(std::string_view line, TSettingsLine& out) {
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

}  // namespace

bool TSettingsLineReader::Next(TSettingsLine& line) {
    line = TSettingsLine{};
    line.Number = number_;
    char c = 0;
    while (!ended_ && line.Text.size() < kPieceLength) {
        if (!in_.get(c) || c == kEndOfFile) {
            ended_ = true;
            break;
        }
        if (c == '\r') continue;
        line.Text.push_back(c);
        if (c == '\n') {
            ++number_;
            break;
        }
    }
    if (line.Text.empty()) return false;
    line.HoldsSetting = SplitAtEquals(line.Text, line);
    return true;
}

}  // namespace files
