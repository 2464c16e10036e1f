#pragma once
// Which of the files dropped on the window at once is opened.

#include <optional>
#include <string>
#include <vector>

namespace app {

// The first settings file among them, by its extension ".wpx" in any case; the others
// are no settings files and are passed over.
std::optional<std::string> SettingsFileAmong(const std::vector<std::string>& paths);

}  // namespace app
