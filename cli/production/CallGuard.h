#pragma once
// The watch over a production run's library calls, on a thread of its own: a call that
// has not returned within the limit, or a second Ctrl-C, is told once, from this thread,
// since the thread in the call can tell nothing until the call returns, which a driver
// that hangs never does.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "cli/framework/CommandContext.h"
#include "cli/production/WatchedLibrary.h"

namespace cli {

// How often the guard looks.
inline constexpr std::chrono::milliseconds kGuardLookMs{50};

class TCallGuard {
public:
    struct THandlers {
        std::function<void(const std::string& why)> Stuck;  // "EngineReadKey has not returned in 30 s"
        std::function<void()> Forced;
    };
    TCallGuard(const TWatchedLibrary& library, std::chrono::milliseconds limit, const IInterrupt& interrupt,
               THandlers handlers);
    TCallGuard(const TCallGuard&) = delete;
    TCallGuard& operator=(const TCallGuard&) = delete;
    // Ends the watch; a handler under way is waited for.
    ~TCallGuard();

private:
    void Watch();

    const TWatchedLibrary& library_;
    const std::chrono::milliseconds limit_;
    const IInterrupt& interrupt_;
    const THandlers handlers_;
    std::mutex mutex_;
    std::condition_variable ended_;
    bool ending_ = false;
    std::thread thread_;
};

// The limit as the command line takes it, in seconds: "30", "0.5".
std::string SecondsText(std::chrono::milliseconds limit);

}  // namespace cli
