#include "cli/production/ThisProcess.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <iostream>

namespace cli {
namespace {

std::atomic<int> interrupts{0};

// Ctrl-Break is taken as Ctrl-C; closing the console, logging off and shutting down are
// left to the system, which ends the process.
BOOL WINAPI OnConsoleEvent(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
    ++interrupts;
    return TRUE;
}

class TConsoleInterrupt : public IInterrupt {
public:
    void Arm() override { SetConsoleCtrlHandler(OnConsoleEvent, TRUE); }
    bool Requested() const override { return interrupts >= 1; }
    bool Forced() const override { return interrupts >= 2; }
};

BOOL WINAPI LeaveToTheRun(DWORD event) { return event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT ? TRUE : FALSE; }

}  // namespace

IInterrupt& TerminalInterrupt() {
    static TConsoleInterrupt interrupt;
    return interrupt;
}

// The worker leaves Ctrl-C and Ctrl-Break to its run, which stops it or ends it; closing
// the console still ends it.
void IgnoreTerminalInterrupt() { SetConsoleCtrlHandler(LeaveToTheRun, TRUE); }

// TerminateProcess, since ExitProcess would wait for a thread held in a chip library's
// DLL.
void EndThisProcess(int exitCode) {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(exitCode));
    ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace cli
