#pragma once
// The program settings file beside the executable: same base name, extension "INI",
// section "Setting", key "ProgramVersion". It is only read; a file left by another
// version of the program is moved aside under a name that carries that version.

#include <optional>
#include <string>

namespace app {

// The executable's path with everything after its last "." replaced by "INI"; a path
// without a "." gets ".INI" appended.
std::string ProgramSettingsPath(const std::string& executablePath);

struct TSettingsFileMove {
    std::string From;
    std::string To;
};

// The move to make for the stored version, or nothing when the value is empty or
// equals this program's version (exact, case-sensitive).
std::optional<TSettingsFileMove> SettingsFileMove(const std::string& settingsPath, const std::string& storedVersion,
                                                  const std::string& programVersion);

}  // namespace app
