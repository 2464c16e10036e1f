#include "cli/production/WorkerChannel.h"

#include <thread>

#include "cli/production/ThisProcess.h"
#include "cli/production/WorkerLines.h"

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

std::optional<std::string> TWorkerChannel::NextLine() {
    std::unique_lock lock(lines_->Mutex);
    lines_->Arrived.wait(lock, [this] { return lines_->Ended || !lines_->Waiting.empty(); });
    if (lines_->Waiting.empty()) return std::nullopt;
    std::string line = std::move(lines_->Waiting.front());
    lines_->Waiting.pop_front();
    return line;
}

std::optional<std::string> TWorkerChannel::AwaitSettings() {
    const std::optional<std::string> line = NextLine();
    if (!line) return std::nullopt;
    TRunLine settings = RunLineOf(*line);
    if (settings.Kind != TRunLine::TKind::Settings) return std::nullopt;
    return std::move(settings.Settings);
}

std::optional<int> TWorkerChannel::AwaitGrant() {
    while (const std::optional<std::string> line = NextLine()) {
        const TRunLine grant = RunLineOf(*line);
        if (grant.Kind == TRunLine::TKind::Grant) return grant.Number;
    }
    return std::nullopt;
}

}  // namespace cli
