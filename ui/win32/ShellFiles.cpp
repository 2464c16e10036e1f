#include "ui/win32/ShellFiles.h"

#include "ui/win32/WideText.h"

namespace ui::win32 {
namespace {

// WM_COPYGLOBALDATA, which carries the dropped names between processes; no header names it.
constexpr UINT kCopyGlobalData = 0x0049;
constexpr DWORD kAllowMessage = 1;  // MSGFLT_ALLOW

// User Interface Privilege Isolation keeps the messages of a drop from a process with
// fewer rights away from an elevated window unless the window lets them through. Looked
// up at run time: ChangeWindowMessageFilterEx came with Windows 7.
void LetDropMessagesThrough(HWND window) {
    using TChangeFilter = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    const auto changeFilter = reinterpret_cast<TChangeFilter>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "ChangeWindowMessageFilterEx")));
    if (changeFilter == nullptr) return;
    for (UINT message : {UINT{WM_DROPFILES}, UINT{WM_COPYDATA}, kCopyGlobalData})
        changeFilter(window, message, kAllowMessage, nullptr);
}

}  // namespace

std::vector<std::string> CommandLineArguments() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    if (arguments == nullptr) return result;
    for (int i = 0; i < count; ++i) result.push_back(Utf8OfWide(arguments[i]));
    LocalFree(arguments);
    return result;
}

void AcceptDroppedFiles(HWND window) {
    LetDropMessagesThrough(window);
    DragAcceptFiles(window, TRUE);
}

std::vector<std::string> DroppedFiles(HDROP drop) {
    std::vector<std::string> files;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        name.resize(DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
        files.push_back(Utf8OfWide(name));
    }
    DragFinish(drop);
    return files;
}

}  // namespace ui::win32
