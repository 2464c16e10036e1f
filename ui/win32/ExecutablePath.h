#pragma once
// Where the running program lies, in UTF-8, whatever the length of the path.

#include <string>

namespace ui::win32 {

std::string ExecutablePath();
// The folder of the executable, ending in a path separator.
std::string ExecutableFolder();

}  // namespace ui::win32
