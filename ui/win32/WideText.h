#pragma once
// Texts between the program, which keeps them in UTF-8, and the W functions of Windows,
// which take UTF-16.

#include <optional>
#include <string>
#include <string_view>

namespace ui::win32 {

// Nothing when `text` is not UTF-8: such bytes name no file.
std::optional<std::wstring> WideOfUtf8(std::string_view text);
std::string Utf8OfWide(std::wstring_view text);

// A text to show: UTF-8 as such, other bytes (a text a chip library returned) as the
// ANSI code page reads them.
std::wstring ShownText(std::string_view text);

}  // namespace ui::win32
