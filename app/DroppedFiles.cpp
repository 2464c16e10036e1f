#include "app/DroppedFiles.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace app {
namespace {

bool IsSettingsFileName(std::string_view path) {
    constexpr std::string_view extension = ".wpx";
    if (path.size() <= extension.size()) return false;
    const std::string_view tail = path.substr(path.size() - extension.size());
    return std::equal(tail.begin(), tail.end(), extension.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == static_cast<unsigned char>(b);
    });
}

}  // namespace

std::optional<std::string> SettingsFileAmong(const std::vector<std::string>& paths) {
    const auto found = std::find_if(paths.begin(), paths.end(), IsSettingsFileName);
    if (found == paths.end()) return std::nullopt;
    return *found;
}

}  // namespace app
