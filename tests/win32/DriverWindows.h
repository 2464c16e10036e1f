#pragma once
// Finding the running program's windows from another process: the main window by its
// class, a control by its name in the control model, a prompt by its caption; reading
// their texts; and waiting for them.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/MajorForm.h"

namespace windriver {

// A command that cannot be carried out.
struct TFailure {
    std::string Message;
};

std::string WindowText(HWND window);
std::string ClassOf(HWND window);
std::vector<HWND> Descendants(HWND parent);

HWND MainWindow();                               // throws when the program's window is not open
HWND Control(const std::string& name);           // throws when there is no such control
HWND VisiblePrompt(const std::string& caption);  // nullptr when none is open
HWND OpenDialog(const std::string& caption);     // the same, but throws when none is open
// A control model of the same build, which gives each control's identifier; and the
// control of a control's window in it, nullptr for a window of no control.
app::TMajorForm& Model();
ui::TControl* ModelOf(HWND control);
// The name in the control model of a control's window; empty for a window of no control.
std::string NameOf(HWND control);
// The window with the keyboard focus in the program's thread, or nullptr.
HWND FocusedWindow();
std::string PromptText(HWND prompt);
// Presses the prompt's button with that caption (posted: the prompt closes in its own time).
void PressPromptButton(HWND prompt, const std::string& caption);
// Switches a tab set to its page `index` with the arrow keys, as a user does.
void SwitchPage(const std::string& tabSet, int index);
// A file dialog's name box, the first edit box on show.
HWND FileNameBox(HWND dialog);
// Types `path` into a file dialog's name box and accepts it.
void AcceptFileName(HWND dialog, const std::string& path);

// Returns once the thread of `window` is back in a message loop, done with what came before.
void WaitIdle(HWND window = MainWindow());

// Asks `find` every `every` milliseconds until it gives a window or the time is up.
template <typename TFind>
std::optional<HWND> WaitFor(double seconds, TFind find, DWORD every = 100) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    do {
        if (HWND window = find()) return window;
        Sleep(every);
    } while (GetTickCount64() < end);
    return std::nullopt;
}

// Waits until `window` is gone, looking every `every` milliseconds; false when it stays.
bool WaitGone(HWND window, double seconds, DWORD every = 100);

// Waits until `window` is gone, then until the program is idle again; false when it stays.
bool WaitClosed(HWND window, double seconds);

}  // namespace windriver
