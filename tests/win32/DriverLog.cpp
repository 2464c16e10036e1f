// The log commands of the driver: what the log box shows, and a user's scrolling and
// marking in it.

#include <windows.h>

#include <cstdio>

#include "tests/win32/DriverCommands.h"
#include "tests/win32/DriverWindows.h"

namespace windriver {

int LogView() {
    HWND log = Control("InfoMemo");
    const auto lines = SendMessageA(log, EM_GETLINECOUNT, 0, 0);
    // The selection from the result, which every process can read: the log's texts here stay below 64K.
    const auto selection = static_cast<DWORD>(SendMessageA(log, EM_GETSEL, 0, 0));
    const auto newest = SendMessageA(log, EM_LINEINDEX, static_cast<WPARAM>(lines - 1), 0);
    const bool atNewest = LOWORD(selection) == newest && HIWORD(selection) == newest;
    std::printf("lines %ld, first shown %ld, selection %u-%u, caret on the newest line %s, characters %d\n",
                static_cast<long>(lines), static_cast<long>(SendMessageA(log, EM_GETFIRSTVISIBLELINE, 0, 0)),
                LOWORD(selection), HIWORD(selection), atNewest ? "yes" : "no",
                static_cast<int>(SendMessageW(log, WM_GETTEXTLENGTH, 0, 0)));
    return 0;
}

int LogScroll(int lines) {
    SendMessageA(Control("InfoMemo"), EM_LINESCROLL, 0, lines);
    WaitIdle();
    return 0;
}

int LogSelect(int from, int to) {
    SendMessageA(Control("InfoMemo"), EM_SETSEL, static_cast<WPARAM>(from), to);
    WaitIdle();
    return 0;
}

}  // namespace windriver
