// zenta-windriver: drives the running Windows program from outside, as a person would,
// with real window messages. It finds the main window by its class, a control by the name
// it has in the control model (through the control identifiers the renderer gives) or by
// its window text, and a prompt by its caption. One command per run; the exit code is 0
// on success and 1 when the command cannot be carried out.
//
//   wait-caption TEXT SECONDS      wait until the main window's caption is TEXT
//   rect                           print the main window's place: WIDTHxHEIGHT+X+Y
//   click NAME                     press a push button (posted: the press may open a prompt)
//   toggle NAME                    click a tick box or radio button
//   select NAME ITEM               choose the list item with that text
//   tab NAME INDEX                 switch a tab set to the page INDEX with the arrow keys
//   get NAME                       print a control's state: tick, selected item or text
//   shown NAME                     print "shown" or "hidden": the control's own visibility
//   enabled NAME                   print "enabled" or "disabled"
//   keyboard-style NAME            print the control's keyboard styles: "group tabstop",
//                                  "group", "tabstop" or "none"
//   page NAME                      print the index of a tab set's page on show
//   client-height                  print the height of the main window's client area
//   client-size                    print the size of the main window's client area: WIDTHxHEIGHT
//   place NAME                     print a control's place in the main window's client area:
//                                  WIDTHxHEIGHT+X+Y
//   dpi-changed DPI [CAPTION]      tell the main window, or the dialog of that caption, that
//                                  its monitor's DPI is now DPI, as Windows does, suggesting
//                                  its place moved by (8, 8); check that it goes there
//   spin NAME up|down              click an arrow of a spin with the mouse buttons' messages
//   held-click KEY NAME            click a control low in its middle with the mouse while
//                                  holding KEY (lshift, rshift, lctrl or rctrl), as real input
//   escape CAPTION                 press Escape in the prompt, which must stay open
//   close-prompt CAPTION           close the prompt with its title bar's close button
//   alt-key LETTER                 press Alt and LETTER, as real input
//   focused CAPTION                print the text of the prompt's focused control, or its
//                                  class when it has no text
//   answer CAPTION BUTTON SECONDS  wait for the prompt, print its text, press the button
//   wait-prompt CAPTION SECONDS    wait until a prompt with that caption is open
//   no-prompt CAPTION SECONDS      check that no prompt with that caption opens
//   file-dialog CAPTION PATH SECONDS  type PATH into the file dialog's name box and accept
//   file-name CAPTION SECONDS      wait for the file dialog, print the name its name box holds
//   close                          close the main window
//   keys CHORD...                  press keys as real input, one chord after another:
//                                  tab, shift+tab, ctrl+tab, ctrl+pgdn, space, up, ctrl+z, ...
//   focus                          print the name of the control with the keyboard focus
//   tab-to NAME                    press Tab until NAME has the focus
//   tab-cycle                      press Tab round to the focused control and Shift+Tab
//                                  back; print the controls and check that every one that
//                                  takes the focus is reached, in reading order, pages
//                                  after their tab sets
//   log-view                       print the log box's lines, first shown line, selection
//   log-scroll LINES               scroll the log box
//   log-select FROM TO             mark characters in the log box
//   time-action ACTION COUNT [PATH]  click READ DEVICE, PROGRAM DEVICE, LOAD FILE or SAVE
//                                  FILE (read, program, load, save) COUNT times, every
//                                  prompt answered at once (PATH for the file dialogs);
//                                  print the window's time and that of the same action's
//                                  library calls and whether the window's own time meets
//                                  the aim of 50 ms; fail when a prompt or dialog does not
//                                  open or close
//   system-menu LETTER             open the main window's system menu by Alt+Space and
//                                  press LETTER in it, as real input
//   list CAPTION                   print the items of the dialog's list, one a line, the
//                                  selected one after "* ", the others after "  "
//   key CAPTION KEY                press KEY (up, down, tab, enter or escape) in the dialog,
//                                  at its focused control; enter and escape must close it
//   accessible-name NAME           print the name a screen reader gets for the control, through
//                                  AccessibleObjectFromWindow; fail when it gets none
//   name-walk                      switch to every page of both tab sets and ask a screen
//                                  reader's name of every control on show; print them and
//                                  fail when one has none
//   dialog-names CAPTION           ask a screen reader's name of every control on show in the
//                                  dialog; print them and fail when one has none or another
//                                  than a sighted user reads (a list: the line before it)
//   rows CAPTION                   print the compare dialog's line above its list, then the
//                                  list's headings and rows, cells between " | ", the
//                                  selected row after "* "
//   columns CAPTION                print the widths of the compare dialog's columns
//   grow CAPTION WIDTH HEIGHT      make the dialog larger by so many pixels, as a drag of its
//                                  frame does, and print how much its list grew: WxH
//   hold-desktop                   keep Wine's desktop open until the process is ended, as a
//                                  person's session does: Wine closes a desktop a second
//                                  after its last program ends, and a program started then
//                                  may find none to open its window on

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/win32/ControlIds.h"
#include "tests/win32/DriverCommands.h"
#include "tests/win32/DriverInput.h"
#include "tests/win32/DriverWindows.h"
#include "ui/win32/WideText.h"

namespace {

using namespace windriver;

int WaitCaption(const std::string& caption, double seconds) {
    const auto found = WaitFor(seconds, [&]() -> HWND {
        HWND window = FindWindowA(app::win32::kFormClass, nullptr);
        return window && IsWindowVisible(window) && WindowText(window) == caption ? window : nullptr;
    });
    HWND window = FindWindowA(app::win32::kFormClass, nullptr);
    if (!found)
        throw TFailure{"the caption reads \"" + (window ? WindowText(window) : std::string("(no window)")) + "\""};
    return 0;
}

int Rect() {
    RECT r{};
    GetWindowRect(MainWindow(), &r);
    std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    return 0;
}

int Select(const std::string& name, const std::string& item) {
    HWND list = Control(name);
    const LRESULT index =
        SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item.c_str()));
    if (index == CB_ERR) throw TFailure{"the list " + name + " has no item \"" + item + "\""};
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    return 0;
}

int Get(const std::string& name) {
    HWND control = Control(name);
    const std::string cls = ClassOf(control);
    const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
    if (cls == "Button" && ((style & BS_TYPEMASK) == BS_CHECKBOX || (style & BS_TYPEMASK) == BS_RADIOBUTTON)) {
        std::puts(SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? "ticked" : "unticked");
    } else if (cls == "ComboBox") {
        const LRESULT index = SendMessageA(control, CB_GETCURSEL, 0, 0);
        if (index == CB_ERR) {
            std::puts("");
        } else {
            // Asked in UTF-16, which every version of the list control answers across processes.
            std::wstring item(static_cast<std::size_t>(SendMessageW(control, CB_GETLBTEXTLEN, index, 0)) + 1, L'\0');
            SendMessageW(control, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()));
            char text[512] = {};
            WideCharToMultiByte(CP_ACP, 0, item.c_str(), -1, text, sizeof text - 1, nullptr, nullptr);
            std::puts(text);
        }
    } else {
        std::puts(WindowText(control).c_str());
    }
    return 0;
}

int Shown(const std::string& name) {
    std::puts((GetWindowLongPtrA(Control(name), GWL_STYLE) & WS_VISIBLE) ? "shown" : "hidden");
    return 0;
}

int Enabled(const std::string& name) {
    std::puts(IsWindowEnabled(Control(name)) ? "enabled" : "disabled");
    return 0;
}

int KeyboardStyle(const std::string& name) {
    const LONG_PTR style = GetWindowLongPtrA(Control(name), GWL_STYLE);
    const bool group = (style & WS_GROUP) != 0;
    const bool tabStop = (style & WS_TABSTOP) != 0;
    std::puts(group && tabStop ? "group tabstop" : group ? "group" : tabStop ? "tabstop" : "none");
    return 0;
}

int Page(const std::string& name) {
    std::printf("%d\n", static_cast<int>(SendMessageA(Control(name), TCM_GETCURSEL, 0, 0)));
    return 0;
}

int ClientHeight() {
    RECT r{};
    GetClientRect(MainWindow(), &r);
    std::printf("%ld\n", r.bottom - r.top);
    return 0;
}

int ClientSize() {
    RECT r{};
    GetClientRect(MainWindow(), &r);
    std::printf("%ldx%ld\n", r.right - r.left, r.bottom - r.top);
    return 0;
}

int Place(const std::string& name) {
    RECT r{};
    GetWindowRect(Control(name), &r);
    MapWindowPoints(nullptr, MainWindow(), reinterpret_cast<POINT*>(&r), 2);
    std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    return 0;
}

// The suggested rectangle is the window's own, moved: the window lays itself out for the
// new DPI whatever size is suggested, and must take the suggested place. The message
// carries a pointer that is not carried across processes, so the rectangle is written
// into the program's memory.
int DpiChanged(int dpi, HWND window) {
    RECT suggested{};
    GetWindowRect(window, &suggested);
    OffsetRect(&suggested, 8, 8);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    void* remote = process ? VirtualAllocEx(process, nullptr, sizeof suggested, MEM_COMMIT, PAGE_READWRITE) : nullptr;
    const bool written = remote && WriteProcessMemory(process, remote, &suggested, sizeof suggested, nullptr);
    if (written) SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(remote));
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    if (process) CloseHandle(process);
    if (!written) throw TFailure{"the suggested rectangle cannot be written into the program"};
    RECT now{};
    GetWindowRect(window, &now);
    if (now.left != suggested.left || now.top != suggested.top)
        throw TFailure{"the window is at " + std::to_string(now.left) + "," + std::to_string(now.top) +
                       ", not at the suggested " + std::to_string(suggested.left) + "," +
                       std::to_string(suggested.top)};
    return 0;
}

int Spin(const std::string& name, const std::string& direction) {
    if (direction != "up" && direction != "down") throw TFailure{"a spin goes up or down"};
    HWND spin = Control(name);
    RECT r{};
    GetClientRect(spin, &r);
    const LPARAM at = MAKELPARAM((r.right - r.left) / 2, direction == "up" ? r.bottom / 4 : r.bottom * 3 / 4);
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(spin, WM_LBUTTONUP, 0, at);
    WaitIdle();
    return 0;
}

int HeldClick(const std::string& keyName, const std::string& name) {
    const WORD key = keyName == "lshift"   ? VK_LSHIFT
                     : keyName == "rshift" ? VK_RSHIFT
                     : keyName == "lctrl"  ? VK_LCONTROL
                     : keyName == "rctrl"  ? VK_RCONTROL
                                           : 0;
    if (key == 0) throw TFailure{"unknown key " + keyName};
    windriver::HeldClick(Control(name), key);
    return 0;
}

int Escape(const std::string& caption) {
    HWND prompt = VisiblePrompt(caption);
    if (prompt == nullptr) throw TFailure{"no prompt \"" + caption + "\" is open"};
    HWND focus = nullptr;
    for (HWND child : Descendants(prompt))
        if (ClassOf(child) == "Button" && (GetWindowLongPtrA(child, GWL_STYLE) & BS_DEFPUSHBUTTON)) focus = child;
    PostMessageA(focus ? focus : prompt, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(focus ? focus : prompt, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    Sleep(500);
    if (!IsWindow(prompt)) throw TFailure{"Escape closed the prompt \"" + caption + "\""};
    return 0;
}

int ClosePrompt(const std::string& caption) {
    HWND prompt = VisiblePrompt(caption);
    if (prompt == nullptr) throw TFailure{"no prompt \"" + caption + "\" is open"};
    PostMessageA(prompt, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (!WaitClosed(prompt, 10)) throw TFailure{"the prompt \"" + caption + "\" stays open after its close button"};
    return 0;
}

int AltKey(const std::string& letter) {
    if (letter.size() != 1) throw TFailure{"alt-key takes one letter"};
    windriver::AltKey(letter[0]);
    WaitIdle();
    return 0;
}

int Focused(const std::string& caption) {
    HWND prompt = VisiblePrompt(caption);
    if (prompt == nullptr) throw TFailure{"no prompt \"" + caption + "\" is open"};
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(prompt, nullptr), &thread);
    const std::string text = thread.hwndFocus ? WindowText(thread.hwndFocus) : std::string();
    std::puts(text.empty() && thread.hwndFocus ? ClassOf(thread.hwndFocus).c_str() : text.c_str());
    return 0;
}

int Answer(const std::string& caption, const std::string& buttonText, double seconds) {
    const auto prompt = WaitFor(seconds, [&] { return VisiblePrompt(caption); });
    if (!prompt) throw TFailure{"no prompt \"" + caption + "\" opened"};
    std::printf("%s: %s\n", caption.c_str(), PromptText(*prompt).c_str());
    PressPromptButton(*prompt, buttonText);
    if (!WaitClosed(*prompt, seconds)) throw TFailure{"the prompt \"" + caption + "\" stays open after " + buttonText};
    return 0;
}

int NoPrompt(const std::string& caption, double seconds) {
    if (const auto prompt = WaitFor(seconds, [&] { return VisiblePrompt(caption); }))
        throw TFailure{"a prompt \"" + caption + "\" opened: " + PromptText(*prompt)};
    return 0;
}

int FileDialog(const std::string& caption, const std::string& path, double seconds) {
    const auto dialog = WaitFor(seconds, [&] { return VisiblePrompt(caption); });
    if (!dialog) throw TFailure{"no file dialog \"" + caption + "\" opened"};
    AcceptFileName(*dialog, path);
    if (!WaitClosed(*dialog, seconds)) throw TFailure{"the file dialog \"" + caption + "\" stays open"};
    return 0;
}

int FileName(const std::string& caption, double seconds) {
    const auto dialog = WaitFor(seconds, [&] { return VisiblePrompt(caption); });
    HWND nameBox = dialog ? FileNameBox(*dialog) : nullptr;
    if (nameBox == nullptr) throw TFailure{"no file dialog \"" + caption + "\" with a name box opened"};
    std::printf("%s\n", WindowText(nameBox).c_str());
    return 0;
}

int List(const std::string& caption) {
    HWND list = nullptr;
    for (HWND child : Descendants(OpenDialog(caption)))
        if (!list && ClassOf(child) == "ComboBox") list = child;
    if (list == nullptr) throw TFailure{"the dialog \"" + caption + "\" has no list"};
    const LRESULT selected = SendMessageW(list, CB_GETCURSEL, 0, 0);
    const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring item(static_cast<std::size_t>(SendMessageW(list, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        item.resize(
            static_cast<std::size_t>(SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
        std::printf("%s%s\n", i == selected ? "* " : "  ", ui::win32::Utf8OfWide(item).c_str());
    }
    return 0;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    return thread.hwndFocus;
}

// Posted to the focused control, as the keyboard's input reaches it through the dialog's
// own message loop, which gives Tab, Enter and Escape their dialog meaning.
int Key(const std::string& caption, const std::string& keyName) {
    const WORD key = keyName == "up"       ? VK_UP
                     : keyName == "down"   ? VK_DOWN
                     : keyName == "tab"    ? VK_TAB
                     : keyName == "enter"  ? VK_RETURN
                     : keyName == "escape" ? VK_ESCAPE
                                           : 0;
    if (key == 0) throw TFailure{"unknown key " + keyName};
    HWND dialog = OpenDialog(caption);
    HWND focus = FocusOf(dialog);
    HWND target = focus && GetAncestor(focus, GA_ROOT) == dialog ? focus : dialog;
    PostMessageA(target, WM_KEYDOWN, key, 0x00000001);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    if (key == VK_RETURN || key == VK_ESCAPE) {
        if (!WaitClosed(dialog, 10)) throw TFailure{"the dialog \"" + caption + "\" stays open after " + keyName};
    } else {
        Sleep(300);
    }
    return 0;
}

// A hidden window, a user of the desktop for as long as its message loop runs.
int HoldDesktop() {
    if (!CreateWindowExA(0, "STATIC", "zenta-windriver: desktop held", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                         nullptr))
        throw TFailure{"no window to hold the desktop with"};
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}

int Run(const std::vector<std::string>& args) {
    auto need = [&](std::size_t count) {
        if (args.size() != count + 1) throw TFailure{"usage: see the head of tests/win32/WinDriver.cpp"};
    };
    if (args.empty()) need(1);
    const std::string& command = args[0];
    if (command == "wait-caption") return need(2), WaitCaption(args[1], std::atof(args[2].c_str()));
    if (command == "rect") return need(0), Rect();
    if (command == "click") return need(1), PostMessageA(Control(args[1]), BM_CLICK, 0, 0), 0;
    if (command == "toggle") return need(1), SendMessageA(Control(args[1]), BM_CLICK, 0, 0), WaitIdle(), 0;
    if (command == "select") return need(2), Select(args[1], args[2]);
    if (command == "tab") return need(2), SwitchPage(args[1], std::atoi(args[2].c_str())), 0;
    if (command == "get") return need(1), Get(args[1]);
    if (command == "shown") return need(1), Shown(args[1]);
    if (command == "enabled") return need(1), Enabled(args[1]);
    if (command == "keyboard-style") return need(1), KeyboardStyle(args[1]);
    if (command == "page") return need(1), Page(args[1]);
    if (command == "client-height") return need(0), ClientHeight();
    if (command == "client-size") return need(0), ClientSize();
    if (command == "place") return need(1), Place(args[1]);
    if (command == "dpi-changed") {
        if (args.size() != 3) need(1);
        return DpiChanged(std::atoi(args[1].c_str()), args.size() == 3 ? OpenDialog(args[2]) : MainWindow());
    }
    if (command == "spin") return need(2), Spin(args[1], args[2]);
    if (command == "held-click") return need(2), HeldClick(args[1], args[2]);
    if (command == "escape") return need(1), Escape(args[1]);
    if (command == "close-prompt") return need(1), ClosePrompt(args[1]);
    if (command == "alt-key") return need(1), AltKey(args[1]);
    if (command == "focused") return need(1), Focused(args[1]);
    if (command == "answer") return need(3), Answer(args[1], args[2], std::atof(args[3].c_str()));
    if (command == "wait-prompt")
        return need(2), WaitFor(std::atof(args[2].c_str()), [&] { return VisiblePrompt(args[1]); }) ? 0 : 1;
    if (command == "no-prompt") return need(2), NoPrompt(args[1], std::atof(args[2].c_str()));
    if (command == "file-dialog") return need(3), FileDialog(args[1], args[2], std::atof(args[3].c_str()));
    if (command == "file-name") return need(2), FileName(args[1], std::atof(args[2].c_str()));
    if (command == "close") return need(0), PostMessageA(MainWindow(), WM_CLOSE, 0, 0), 0;
    if (command == "keys") return Keys({args.begin() + 1, args.end()});
    if (command == "focus") return need(0), Focus();
    if (command == "tab-to") return need(1), TabTo(args[1]);
    if (command == "tab-cycle") return need(0), TabCycle();
    if (command == "log-view") return need(0), LogView();
    if (command == "log-scroll") return need(1), LogScroll(std::atoi(args[1].c_str()));
    if (command == "log-select") return need(2), LogSelect(std::atoi(args[1].c_str()), std::atoi(args[2].c_str()));
    if (command == "time-action") {
        if (args.size() != 3 && args.size() != 4) need(3);
        return TimeAction(args[1], std::atoi(args[2].c_str()), args.size() == 4 ? args[3] : std::string());
    }
    if (command == "system-menu") return need(1), windriver::SystemMenuKey(args[1].empty() ? ' ' : args[1][0]), 0;
    if (command == "list") return need(1), List(args[1]);
    if (command == "key") return need(2), Key(args[1], args[2]);
    if (command == "accessible-name") return need(1), PrintAccessibleName(args[1]);
    if (command == "name-walk") return need(0), NameWalk();
    if (command == "dialog-names") return need(1), DialogNameWalk(args[1]);
    if (command == "rows") return need(1), Rows(args[1]);
    if (command == "columns") return need(1), ColumnWidths(args[1]);
    if (command == "grow") return need(3), Grow(args[1], std::atoi(args[2].c_str()), std::atoi(args[3].c_str()));
    if (command == "hold-desktop") return need(0), HoldDesktop();
    throw TFailure{"unknown command " + command};
}

}  // namespace

// The arguments arrive as UTF-16 (linked with -municode) and are UTF-8 from then on.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(ui::win32::Utf8OfWide(argv[i]));
    try {
        return Run(args);
    } catch (const TFailure& failure) {
        std::fprintf(stderr, "zenta-windriver: %s\n", failure.Message.c_str());
        return 1;
    }
}
