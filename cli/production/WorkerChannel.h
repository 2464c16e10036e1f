#pragma once
// A worker's side of the lines its run sends on standard input (WorkerLines.h): first the
// settings file's bytes as the run checked them, then `go N` grants unit N, and the end
// of the input stops the worker. Standard input is read by a thread of its own, so that
// the worker can look for its end while it waits for a unit. As the worker's Ctrl-C, the
// end of its input is a request to stop after the unit in hand.

#include <condition_variable>
#include <deque>
#include <istream>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "cli/framework/CommandContext.h"

namespace cli {

class TWorkerChannel : public IInterrupt {
public:
    explicit TWorkerChannel(std::istream& input);
    TWorkerChannel(const TWorkerChannel&) = delete;
    TWorkerChannel& operator=(const TWorkerChannel&) = delete;
    ~TWorkerChannel() override;

    // The worker ignores the terminal's Ctrl-C: its run tells it when to stop.
    void Arm() override;
    // True once the input ended and every line of it was taken.
    bool Requested() const override;
    // The run ends a worker itself when it must end at once.
    bool Forced() const override { return false; }
    // The settings file's bytes, waiting for them; empty when the input ends first or
    // its first line does not give them.
    std::optional<std::string> AwaitSettings();
    // The number of the next grant, waiting for it; empty when the input ends first.
    std::optional<int> AwaitGrant();

private:
    // The next line, waiting for it; empty once the input ended.
    std::optional<std::string> NextLine();

    // Shared with the reader, which may outlive the channel.
    struct TLines {
        std::mutex Mutex;
        std::condition_variable Arrived;
        std::deque<std::string> Waiting;
        bool Ended = false;
    };
    static void Read(std::istream& input, const std::shared_ptr<TLines>& lines);

    std::shared_ptr<TLines> lines_;
};

}  // namespace cli
