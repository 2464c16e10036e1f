#include "ui/win32/WideText.h"

#include <windows.h>

namespace ui::win32 {
namespace {

std::optional<std::wstring> Widen(UINT codePage, DWORD flags, std::string_view text) {
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length) != length) return std::nullopt;
    return wide;
}

}  // namespace

std::optional<std::wstring> WideOfUtf8(std::string_view text) { return Widen(CP_UTF8, MB_ERR_INVALID_CHARS, text); }

std::string Utf8OfWide(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::wstring ShownText(std::string_view text) {
    if (std::optional<std::wstring> wide = WideOfUtf8(text)) return *wide;
    return Widen(CP_ACP, 0, text).value_or(std::wstring());
}

}  // namespace ui::win32
