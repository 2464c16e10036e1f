#include "ui/win32/Win32Services.h"

#include <commdlg.h>

#include <vector>

#include "ui/FileFilter.h"

namespace ui::win32 {

void TWin32MessageBox::Show(const std::string& text, const std::string& caption) {
    owner_.BeforeModal();
    MessageBoxA(owner_.Window, text.c_str(), caption.c_str(), MB_OK);
}

bool TWin32FileDialogs::Execute(TFileDialog& dialog) {
    owner_.BeforeModal();
    const std::string filter = DoubleNulFilter(dialog.Filter);
    const std::string extension = BareExtension(dialog.DefaultExt);
    std::vector<char> name(32768, '\0');
    dialog.FileName.copy(name.data(), name.size() - 1);

    OPENFILENAMEA box{};
    box.lStructSize = sizeof box;
    box.hwndOwner = owner_.Window;
    box.lpstrFilter = filter.c_str();
    box.nFilterIndex = static_cast<DWORD>(dialog.FilterIndex);
    box.lpstrFile = name.data();
    box.nMaxFile = static_cast<DWORD>(name.size());
    box.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    box.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;

    const bool open = dialog.Kind == TFileDialog::TKind::Open;
    const BOOL chosen = open ? GetOpenFileNameA(&box) : GetSaveFileNameA(&box);
    if (!chosen) return false;
    dialog.FileName = name.data();
    dialog.FilterIndex = static_cast<int>(box.nFilterIndex);
    return true;
}

TLocalTime TWin32Clock::Now() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

unsigned char TWin32Keyboard::KeyState(int virtualKey) {
    BYTE keys[256] = {};
    if (!GetKeyboardState(keys) || virtualKey < 0 || virtualKey > 255) return 0;
    return keys[virtualKey];
}

std::string TWin32IniFile::ReadString(const std::string& path, const std::string& section, const std::string& key,
                                      const std::string& fallback) {
    char value[256] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), value, sizeof value, path.c_str());
    return value;
}

}  // namespace ui::win32
