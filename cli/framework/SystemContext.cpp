// The command line's own context: standard streams, the real clock and sleeps, the chip
// libraries of this platform, and Ctrl-C.

#include <chrono>
#include <ctime>
#include <iostream>
#include <memory>
#include <thread>

#include "cli/framework/CommandContext.h"
#include "cli/host/UnitAccess.h"
#include "cli/production/ThisProcess.h"

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

}  // namespace

TCommandContext& SystemContext() {
    static TSystemClock clock;
    static TSystemSleep sleeper;
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
                                   TerminalInterrupt(),
                                   EndThisProcess};
    return context;
}

}  // namespace cli
