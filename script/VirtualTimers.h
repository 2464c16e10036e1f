#pragma once
// The message loop's timers on the virtual clock. A timer is armed when it becomes
// enabled, one interval after the clock's time then, and fires each time it falls due
// while it stays enabled. A handler that blocks (a sleep moves the clock) does not make
// the ticks it overran pile up: as in a real message loop, one tick is delivered late.

#include <cstdint>
#include <optional>
#include <vector>

#include "ui/Headless.h"
#include "ui/Timer.h"

namespace script {

class TVirtualTimers {
public:
    explicit TVirtualTimers(ui::THeadlessClock& clock) : clock_(clock) {}
    TVirtualTimers(const TVirtualTimers&) = delete;
    TVirtualTimers& operator=(const TVirtualTimers&) = delete;

    // Takes over the timer's OnEnabledChanged hook; an enabled timer is armed now.
    void Watch(ui::TTimer& timer);
    // Fires, once each, the timers that have fallen due by the clock's time.
    void FireDue();
    // Moves the clock on, firing every timer at the time it falls due.
    void Wait(std::int64_t milliseconds);

private:
    struct TWatched {
        ui::TTimer* Timer;
        std::optional<std::int64_t> Due;
    };
    void Arm(TWatched& watched);
    TWatched* Earliest();
    void Fire(TWatched& watched);

    ui::THeadlessClock& clock_;
    std::vector<TWatched> timers_;
};

}  // namespace script
