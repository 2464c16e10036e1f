#include "cli/production/WorkerChannel.h"

#include <charconv>
#include <thread>

#include "cli/production/OwnCopy.h"

namespace cli {

// The reader ends with the input, which the run closes at the latest when it ends; a
// worker that leaves earlier (a file it cannot load) leaves the reader to the exit.
TWorkerChannel::TWorkerChannel(std::istream& input) : lines_(std::make_shared<TLines>()) {
    std::thread([&input, lines = lines_] { Read(input, lines); }).detach();
}

TWorkerChannel::~TWorkerChannel() = default;

void TWorkerChannel::Read(std::istream& input, const std::shared_ptr<TLines>& lines) {
    std::string line;
    while (std::getline(input, line)) {
        const std::lock_guard lock(lines->Mutex);
        lines->Waiting.push_back(line);
        lines->Arrived.notify_all();
    }
    const std::lock_guard lock(lines->Mutex);
    lines->Ended = true;
    lines->Arrived.notify_all();
}

void TWorkerChannel::Arm() { IgnoreTerminalInterrupt(); }

bool TWorkerChannel::Requested() const {
    const std::lock_guard lock(lines_->Mutex);
    return lines_->Ended && lines_->Waiting.empty();
}

std::optional<int> TWorkerChannel::AwaitGrant() {
    std::unique_lock lock(lines_->Mutex);
    for (;;) {
        lines_->Arrived.wait(lock, [this] { return lines_->Ended || !lines_->Waiting.empty(); });
        if (lines_->Waiting.empty()) return std::nullopt;
        const std::string line = lines_->Waiting.front();
        lines_->Waiting.pop_front();
        int number = 0;
        if (line.starts_with("go ") &&
            std::from_chars(line.data() + 3, line.data() + line.size(), number).ec == std::errc())
            return number;
    }
}

}  // namespace cli
