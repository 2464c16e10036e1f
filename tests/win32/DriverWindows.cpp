#include "tests/win32/DriverWindows.h"

#include "app/MajorForm.h"
#include "app/win32/ControlIds.h"
#include "sim/SimLibrary.h"
#include "ui/Headless.h"
#include "ui/win32/WideText.h"

namespace windriver {
namespace {

constexpr const char* kPromptClass = "#32770";

// The control identifier of each name, from a control model of the same build.
int IdOf(const std::string& name) {
    static ui::THeadlessServices services;
    static sim::TSimBench bench;
    static sim::TSimLibrary library(bench);
    static app::TMajorForm form(services.Services, library, "C:\\ZENTAUserProgrammer.exe");
    const int id = app::win32::ControlIdOf(form, name);
    if (id == 0) throw TFailure{"the window has no control named " + name};
    return id;
}

}  // namespace

// As UTF-16, so that a file name outside the ANSI code page reads back as it was shown.
std::string WindowText(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return ui::win32::Utf8OfWide(text);
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

namespace {

// A Win32 callback: stdcall, which a plain lambda is not on 32-bit Windows.
BOOL CALLBACK CollectWindow(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

}  // namespace

std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND MainWindow() {
    HWND window = FindWindowA(app::win32::kFormClass, nullptr);
    if (window == nullptr) throw TFailure{"the program's main window is not open"};
    return window;
}

HWND Control(const std::string& name) {
    const int id = IdOf(name);
    for (HWND child : Descendants(MainWindow()))
        if (GetDlgCtrlID(child) == id) return child;
    throw TFailure{"no window stands for the control " + name};
}

// The caption may be a translated one, such as Wine's German "Öffnen".
HWND VisiblePrompt(const std::string& caption) {
    HWND window = FindWindowW(ui::win32::ShownText(kPromptClass).c_str(), ui::win32::ShownText(caption).c_str());
    return window && IsWindowVisible(window) ? window : nullptr;
}

std::string PromptText(HWND prompt) {
    for (HWND child : Descendants(prompt))
        if (ClassOf(child) == "Static" && !WindowText(child).empty()) return WindowText(child);
    return {};
}

void WaitIdle() {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 20000, &ignored);
}

bool WaitClosed(HWND window, double seconds) {
    if (!WaitFor(seconds, [&]() -> HWND { return IsWindow(window) ? nullptr : GetDesktopWindow(); })) return false;
    if (FindWindowA(app::win32::kFormClass, nullptr)) WaitIdle();
    return true;
}

}  // namespace windriver
