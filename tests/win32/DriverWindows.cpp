#include "tests/win32/DriverWindows.h"

#include <commctrl.h>

#include "app/MajorForm.h"
#include "app/win32/ControlIds.h"
#include "sim/SimLibrary.h"
#include "ui/Headless.h"
#include "ui/win32/WideText.h"

namespace windriver {

app::TMajorForm& Model() {
    static ui::THeadlessServices services;
    static sim::TSimBench bench;
    static sim::TSimLibrary library(bench);
    static app::TMajorForm form(services.Services, library, "C:\\ZENTAUserProgrammer.exe");
    return form;
}

namespace {

constexpr const char* kPromptClass = "#32770";

int IdOf(const std::string& name) {
    const int id = app::win32::ControlIdOf(Model(), name);
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

void SwitchPage(const std::string& tabSet, int index) {
    HWND tabs = Control(tabSet);
    for (int step = 0; step < 16; ++step) {
        const auto current = static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
        if (current == index) return;
        const WPARAM key = current < index ? VK_RIGHT : VK_LEFT;
        SendMessageA(tabs, WM_KEYDOWN, key, 1);
        SendMessageA(tabs, WM_KEYUP, key, 0xC0000001);
    }
    throw TFailure{"the tab set " + tabSet + " does not reach page " + std::to_string(index)};
}

ui::TControl* ModelOf(HWND control) {
    const std::vector<ui::TControl*> controls = app::win32::RenderedControls(Model());
    const int at = GetDlgCtrlID(control) - app::win32::kFirstControlId;
    return control && at >= 0 && at < static_cast<int>(controls.size()) ? controls[static_cast<std::size_t>(at)]
                                                                        : nullptr;
}

std::string NameOf(HWND control) {
    const ui::TControl* model = ModelOf(control);
    return model ? model->Name : std::string();
}

HWND FocusedWindow() {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(MainWindow(), nullptr), &thread);
    return thread.hwndFocus;
}

// The caption may be a translated one, such as Wine's German "Öffnen".
HWND VisiblePrompt(const std::string& caption) {
    HWND window = FindWindowW(ui::win32::ShownText(kPromptClass).c_str(), ui::win32::ShownText(caption).c_str());
    return window && IsWindowVisible(window) ? window : nullptr;
}

HWND OpenDialog(const std::string& caption) {
    HWND dialog = VisiblePrompt(caption);
    if (dialog == nullptr) throw TFailure{"no dialog \"" + caption + "\" is open"};
    return dialog;
}

std::string PromptText(HWND prompt) {
    for (HWND child : Descendants(prompt))
        if (ClassOf(child) == "Static" && !WindowText(child).empty()) return WindowText(child);
    return {};
}

void PressPromptButton(HWND prompt, const std::string& caption) {
    HWND button = nullptr;
    for (HWND child : Descendants(prompt))
        if (ClassOf(child) == "Button" && WindowText(child) == caption) button = child;
    if (button == nullptr) throw TFailure{"the prompt \"" + WindowText(prompt) + "\" has no button " + caption};
    PostMessageA(button, BM_CLICK, 0, 0);
}

HWND FileNameBox(HWND dialog) {
    for (HWND child : Descendants(dialog))
        if (ClassOf(child) == "Edit" && IsWindowVisible(child)) return child;
    return nullptr;
}

void AcceptFileName(HWND dialog, const std::string& path) {
    HWND nameBox = FileNameBox(dialog);
    HWND accept = GetDlgItem(dialog, IDOK);
    if (nameBox == nullptr || accept == nullptr) throw TFailure{"the file dialog has no name box or no OK button"};
    const std::wstring name = ui::win32::ShownText(path);
    SendMessageW(nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    PostMessageA(accept, BM_CLICK, 0, 0);
}

void WaitIdle(HWND window) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &ignored);
}

bool WaitGone(HWND window, double seconds, DWORD every) {
    return WaitFor(
               seconds, [&]() -> HWND { return IsWindow(window) ? nullptr : GetDesktopWindow(); }, every)
        .has_value();
}

bool WaitClosed(HWND window, double seconds) {
    if (!WaitGone(window, seconds)) return false;
    if (FindWindowA(app::win32::kFormClass, nullptr)) WaitIdle();
    return true;
}

}  // namespace windriver
