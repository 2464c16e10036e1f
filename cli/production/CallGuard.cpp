#include "cli/production/CallGuard.h"

namespace cli {

TCallGuard::TCallGuard(const TWatchedLibrary& library, std::chrono::milliseconds limit, const IInterrupt& interrupt,
                       THandlers handlers)
    : library_(library), limit_(limit), interrupt_(interrupt), handlers_(std::move(handlers)) {
    thread_ = std::thread([this] { Watch(); });
}

TCallGuard::~TCallGuard() {
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    ended_.notify_all();
    thread_.join();
}

void TCallGuard::Watch() {
    std::unique_lock lock(mutex_);
    while (!ended_.wait_for(lock, kGuardLookMs, [this] { return ending_; })) {
        if (interrupt_.Forced() && handlers_.Forced) {
            handlers_.Forced();
            return;
        }
        const std::optional<TWatchedLibrary::TCall> call = library_.CallUnderWay();
        if (call && TWatchedLibrary::TClock::now() - call->Since >= limit_ && handlers_.Stuck) {
            handlers_.Stuck(std::string(call->Name) + " has not returned in " + SecondsText(limit_) + " s");
            return;
        }
    }
}

std::string SecondsText(std::chrono::milliseconds limit) {
    std::string text = std::to_string(limit.count() / 1000);
    if (const auto rest = limit.count() % 1000; rest != 0) {
        std::string fraction = std::to_string(1000 + rest).substr(1);
        while (fraction.back() == '0') fraction.pop_back();
        text.append(".").append(fraction);
    }
    return text;
}

}  // namespace cli
