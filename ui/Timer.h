#pragma once
// A timer: interval and enabled state. Whoever runs the message loop (a renderer, or
// the headless driver with its virtual clock) watches OnEnabledChanged to arm it and
// calls Fire when it falls due.

#include <functional>
#include <string>

namespace ui {

class TTimer {
public:
    explicit TTimer(std::string name) : Name(std::move(name)) {}
    const std::string Name;
    unsigned Interval = 1000;
    std::function<void()> OnTimer;
    std::function<void()> OnEnabledChanged;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) {
        if (enabled == enabled_) return;
        enabled_ = enabled;
        if (OnEnabledChanged) OnEnabledChanged();
    }
    void Fire() {
        if (enabled_ && OnTimer) OnTimer();
    }

private:
    bool enabled_ = true;
};

}  // namespace ui
