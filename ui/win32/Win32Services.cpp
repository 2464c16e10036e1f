#include "ui/win32/Win32Services.h"

#include <commdlg.h>
#include <shellapi.h>

#include <vector>

#include "ui/FileFilter.h"
#include "ui/win32/WideText.h"

namespace ui::win32 {

void TWin32MessageBox::Show(const std::string& text, const std::string& caption) {
    owner_.BeforeModal();
    MessageBoxW(owner_.Window, ShownText(text).c_str(), ShownText(caption).c_str(), MB_OK);
}

// The dialog's texts are the program's own ASCII; the chosen name comes back as UTF-8.
bool TWin32FileDialogs::Execute(TFileDialog& dialog) {
    owner_.BeforeModal();
    const std::wstring filter = ShownText(DoubleNulFilter(dialog.Filter));
    const std::wstring extension = ShownText(BareExtension(dialog.DefaultExt));
    std::vector<wchar_t> name(32768, L'\0');
    const std::wstring previous = WideOfUtf8(dialog.FileName).value_or(std::wstring());
    previous.copy(name.data(), name.size() - 1);

    OPENFILENAMEW box{};
    box.lStructSize = sizeof box;
    box.hwndOwner = owner_.Window;
    box.lpstrFilter = filter.c_str();
    box.nFilterIndex = static_cast<DWORD>(dialog.FilterIndex);
    box.lpstrFile = name.data();
    box.nMaxFile = static_cast<DWORD>(name.size());
    box.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    box.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR |
                (dialog.ConfirmReplace ? OFN_OVERWRITEPROMPT : 0);

    const bool open = dialog.Kind == TFileDialog::TKind::Open;
    const BOOL chosen = open ? GetOpenFileNameW(&box) : GetSaveFileNameW(&box);
    if (!chosen) return false;
    dialog.FileName = Utf8OfWide(name.data());
    dialog.FilterIndex = static_cast<int>(box.nFilterIndex);
    return true;
}

// ShellExecuteW gives a value above 32 when it started a program for the document.
bool TWin32Shell::OpenDocument(const std::string& path) {
    const std::optional<std::wstring> file = WideOfUtf8(path);
    if (!file) return false;
    const HINSTANCE started = ShellExecuteW(owner_.Window, L"open", file->c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(started) > 32;
}

TLocalTime TWin32Clock::Now() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wHour, now.wMinute, now.wSecond, now.wMilliseconds, now.wYear, now.wMonth, now.wDay};
}

unsigned char TWin32Keyboard::KeyState(int virtualKey) {
    BYTE keys[256] = {};
    if (!GetKeyboardState(keys) || virtualKey < 0 || virtualKey > 255) return 0;
    return keys[virtualKey];
}

// The INI file's name may hold any letter; the value read is UTF-8 from then on.
std::string TWin32IniFile::ReadString(const std::string& path, const std::string& section, const std::string& key,
                                      const std::string& fallback) {
    const std::optional<std::wstring> file = WideOfUtf8(path);
    if (!file) return fallback;
    wchar_t value[256] = {};
    GetPrivateProfileStringW(ShownText(section).c_str(), ShownText(key).c_str(), ShownText(fallback).c_str(), value,
                             sizeof value / sizeof value[0], file->c_str());
    return Utf8OfWide(value);
}

}  // namespace ui::win32
