#include "script/VirtualTimers.h"

#include <algorithm>

namespace script {
namespace {

// Windows raises shorter intervals to this, so that a timer of 0 cannot stall the loop.
constexpr std::int64_t kShortestInterval = 10;

}  // namespace

void TVirtualTimers::Watch(ui::TTimer& timer) {
    // The hook holds an index, not a pointer: the table may still grow.
    const std::size_t index = timers_.size();
    timers_.push_back({&timer, std::nullopt});
    timer.OnEnabledChanged = [this, index] { Arm(timers_[index]); };
    Arm(timers_[index]);
}

void TVirtualTimers::Arm(TWatched& watched) {
    watched.Due.reset();
    if (!watched.Timer->Enabled()) return;
    watched.Due = clock_.Elapsed() + std::max<std::int64_t>(watched.Timer->Interval, kShortestInterval);
}

TVirtualTimers::TWatched* TVirtualTimers::Earliest() {
    TWatched* earliest = nullptr;
    for (TWatched& watched : timers_)
        if (watched.Due && (earliest == nullptr || *watched.Due < *earliest->Due)) earliest = &watched;
    return earliest;
}

// The next tick is counted from now, before the handler runs, so that a handler which
// disables or re-enables its timer has the last word.
void TVirtualTimers::Fire(TWatched& watched) {
    Arm(watched);
    watched.Timer->Fire();
}

void TVirtualTimers::FireDue() {
    const std::int64_t now = clock_.Elapsed();
    for (TWatched& watched : timers_)
        if (watched.Due && *watched.Due <= now) Fire(watched);
}

void TVirtualTimers::Wait(std::int64_t milliseconds) {
    const std::int64_t until = clock_.Elapsed() + milliseconds;
    for (TWatched* next = Earliest(); next != nullptr && *next->Due <= until; next = Earliest()) {
        if (*next->Due > clock_.Elapsed()) clock_.SetTimeOfDay(*next->Due);
        Fire(*next);
    }
    if (clock_.Elapsed() < until) clock_.SetTimeOfDay(until);
}

}  // namespace script
