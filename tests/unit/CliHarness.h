#pragma once
// The installers' commands run in the test process: string streams for their output,
// virtual time, an in-memory simulated unit on a bench, a Ctrl-C the test pulls, and a
// production run's pauses handed to the test, which may swap units on the bench there.

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/commands/Commands.h"
#include "sim/SimBench.h"
#include "sim/SimLibrary.h"
#include "ui/Headless.h"
#include "ui/ScratchFolder.h"

namespace cli_test {

// Pulled by the test, also from another thread.
class TTestInterrupt : public cli::IInterrupt {
public:
    void Arm() override { Armed = true; }
    bool Requested() const override { return Pulled; }
    bool Forced() const override { return PulledTwice; }
    bool Armed = false;
    std::atomic<bool> Pulled = false;
    std::atomic<bool> PulledTwice = false;
};

// Each pause runs the test's hook instead of waiting.
class THookedSleep : public ui::ISleep {
public:
    void Sleep(unsigned milliseconds) override {
        Waits.push_back(milliseconds);
        if (OnSleep) OnSleep();
    }
    std::function<void()> OnSleep;
    std::vector<unsigned> Waits;
};

struct TCliHarness {
    TCliHarness() = default;
    TCliHarness(const TCliHarness&) = delete;
    TCliHarness& operator=(const TCliHarness&) = delete;

    std::ostringstream Out;
    std::ostringstream Err;
    ui::THeadlessClock Clock;
    ui::THeadlessSleep Sleeper{Clock};
    THookedSleep Poller;
    sim::TSimBench Bench;  // a factory handset on the link
    sim::TSimLibrary Library{Bench};
    TTestInterrupt Interrupt;
    // The exit codes a run gave when it would have ended the process; the test decides
    // what happens after, since the process goes on.
    std::vector<int> Ended;
    std::function<void(int)> OnEnd;
    cli::TCommandContext Context{Out,
                                 Err,
                                 Clock,
                                 Sleeper,
                                 Poller,
                                 [this]() -> devlink::IChipLibrary& { return Library; },
                                 Interrupt,
                                 [this](int code) {
                                     Ended.push_back(code);
                                     if (OnEnd) OnEnd(code);
                                 }};
    ui::TScratchFolder Folder;

    // A file of the test's own folder with these bytes; its path.
    std::string File(const std::string& name, const std::string& bytes) {
        const std::filesystem::path path = Folder.Resolve(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
};

// The settings file the window saves right after start-up.
inline std::string DefaultsFile() {
    const auto path = std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / "defaults.wpx";
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The defaults file with the line of each key replaced by the given line (no line end),
// or removed when that is empty.
inline std::string DefaultsWith(const std::vector<std::pair<std::string, std::string>>& changes) {
    std::istringstream in(DefaultsFile());
    std::string result, current;
    while (std::getline(in, current)) {
        const auto change = std::find_if(changes.begin(), changes.end(),
                                         [&current](const auto& c) { return current.rfind(c.first + "=", 0) == 0; });
        if (change == changes.end())
            result += current + "\n";
        else if (!change->second.empty())
            result += change->second + "\r\n";
    }
    return result;
}

}  // namespace cli_test
