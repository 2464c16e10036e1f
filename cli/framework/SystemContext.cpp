// The command line's own context: standard streams, the real clock and sleeps, the chip
// libraries of this platform, and Ctrl-C.

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <memory>
#include <thread>

#include "cli/framework/CommandContext.h"
#include "cli/host/UnitAccess.h"

namespace cli {
namespace {

class TSystemClock : public ui::IClock {
public:
    ui::TLocalTime Now() override {
        const auto now = std::chrono::system_clock::now();
        const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
        std::tm local{};
#ifdef _WIN32
        localtime_s(&local, &seconds);
#else
        localtime_r(&seconds, &local);
#endif
        const auto millisecond =
            std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
        return {local.tm_hour,        local.tm_min,     local.tm_sec, static_cast<int>(millisecond),
                local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    }
};

class TSystemSleep : public ui::ISleep {
public:
    void Sleep(unsigned milliseconds) override { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }
};

#ifdef _WIN32

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
using TSystemInterrupt = TConsoleInterrupt;

#else

volatile std::sig_atomic_t interrupts = 0;

void OnInterrupt(int) {
    if (interrupts < 2) interrupts = interrupts + 1;
}

class TSignalInterrupt : public IInterrupt {
public:
    void Arm() override { std::signal(SIGINT, OnInterrupt); }
    bool Requested() const override { return interrupts >= 1; }
    bool Forced() const override { return interrupts >= 2; }
};
using TSystemInterrupt = TSignalInterrupt;

#endif

// Ends the process wherever its threads are: TerminateProcess on Windows, since
// ExitProcess would wait for a thread held in a chip library's DLL; _exit elsewhere.
[[noreturn]] void EndThisProcess(int exitCode) {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
#ifdef _WIN32
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(exitCode));
#endif
    _exit(exitCode);
}

}  // namespace

TCommandContext& SystemContext() {
    static TSystemClock clock;
    static TSystemSleep sleeper;
    static TSystemInterrupt interrupt;
    static std::unique_ptr<devlink::IChipLibrary> library;
    static TCommandContext context{std::cout,
                                   std::cerr,
                                   clock,
                                   sleeper,
                                   sleeper,
                                   []() -> devlink::IChipLibrary& {
                                       if (!library) library = OpenUnitLibrary();
                                       return *library;
                                   },
                                   interrupt,
                                   EndThisProcess};
    return context;
}

}  // namespace cli
