#include "ui/LocalFiles.h"

namespace ui {

// char8_t tells std::filesystem that the bytes are UTF-8 whatever the system's code page.
std::filesystem::path PathOfUtf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string Utf8OfPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace ui
