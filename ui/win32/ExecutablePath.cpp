#include "ui/win32/ExecutablePath.h"

#include <windows.h>

#include <vector>

#include "ui/win32/WideText.h"

namespace ui::win32 {

// GetModuleFileNameW cuts a path that does not fit and then returns the buffer's size:
// the buffer grows until the whole path fits (at most the 32767 characters of a long path).
std::string ExecutablePath() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size() || path.size() > 32768) return Utf8OfWide(std::wstring_view(path.data(), length));
        path.resize(path.size() * 2);
    }
}

std::string ExecutableFolder() {
    const std::string path = ExecutablePath();
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".\\") : path.substr(0, slash + 1);
}

}  // namespace ui::win32
