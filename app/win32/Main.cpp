// The Windows program: binds the chip maker's libraries (link/win32/LibraryBinding.h), makes the
// main window, runs start-up and the message loop. An exception that escapes start-up or
// the message loop is shown in a message box, and the program ends.

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <exception>
#include <string>

#include "app/MajorForm.h"
#include "app/win32/FormRenderer.h"
#include "link/win32/LibraryBinding.h"
#include "ui/PortableServices.h"
#include "ui/win32/ExecutablePath.h"
#include "ui/win32/PromptWindow.h"
#include "ui/win32/ShellFiles.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Services.h"

namespace {

void ShowFatal(const std::string& text, const std::string& title) {
    MessageBoxW(nullptr, ui::win32::ShownText(text).c_str(), ui::win32::ShownText(title).c_str(), MB_OK | MB_ICONERROR);
}

int RunProgram(ui::TApplication& application) {
    devlink::win32::TLibraryBinding library(ui::win32::ExecutableFolder());

    ui::win32::TModalOwner owner;
    ui::win32::TWin32Prompts prompts(owner);
    ui::win32::TWin32MessageBox messages(owner);
    ui::win32::TWin32FileDialogs dialogs(owner);
    ui::win32::TWin32Clock clock;
    ui::win32::TWin32Sleep sleeper;
    ui::win32::TWin32Keyboard keyboard;
    ui::win32::TWin32IniFile ini;
    ui::TLocalFileSystem files;
    ui::win32::TWin32Shell shell(owner);
    ui::TServices services{prompts, messages, dialogs, clock, sleeper, keyboard, ini, files, shell, application};

    app::TMajorForm form(services, library, ui::win32::ExecutablePath());
    // "Open with" and a file association name the settings file as the first argument.
    if (const std::vector<std::string> arguments = ui::win32::CommandLineArguments(); arguments.size() > 1)
        form.FileGivenAtStart = arguments[1];
    app::win32::TFormRenderer renderer(form, owner);
    renderer.Create();
    form.FormCreate();
    renderer.Show();

    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (renderer.SwitchPageByKey(message) || renderer.TranslateKeys(message)) continue;
        if (IsWindow(renderer.Handle()) && IsDialogMessageA(renderer.Handle(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    renderer.RethrowPending();
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // COM, in which the controls hand their accessible objects to screen readers.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX controls{
        sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    ui::TApplication application{app::kFormCaption};
    int code = 1;
    try {
        code = RunProgram(application);
    } catch (const std::exception& error) {
        ShowFatal(error.what(), application.Title);
    } catch (...) {
        ShowFatal("An unknown error ended the program.", application.Title);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return code;
}
