#include "app/ProgramSettingsFile.h"

namespace app {
namespace {

// The last "." of the file name itself, not one in a folder name.
std::string::size_type ExtensionDot(const std::string& path) {
    const auto dot = path.rfind('.');
    const auto separator = path.find_last_of("\\/");
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator)) return std::string::npos;
    return dot;
}

}  // namespace

std::string ProgramSettingsPath(const std::string& executablePath) {
    const auto dot = ExtensionDot(executablePath);
    if (dot == std::string::npos) return executablePath + ".INI";
    return executablePath.substr(0, dot + 1) + "INI";
}

std::optional<TSettingsFileMove> SettingsFileMove(const std::string& settingsPath, const std::string& storedVersion,
                                                  const std::string& programVersion) {
    if (storedVersion.empty() || storedVersion == programVersion) return std::nullopt;
    const auto dot = ExtensionDot(settingsPath);
    const std::string base = dot == std::string::npos ? settingsPath : settingsPath.substr(0, dot);
    return TSettingsFileMove{settingsPath, base + "_" + storedVersion + ".INI"};
}

}  // namespace app
