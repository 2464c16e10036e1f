#pragma once
// Tab sets: a page control and its tab sheets. The active page set from code runs no
// handler; a user switch runs the change handler.

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

class TTabSheet : public TControl {
public:
    using TControl::TControl;
    std::string Caption;
};

class TPageControl : public TControl {
public:
    using TControl::TControl;
    std::function<void()> OnChange;

    void AddPage(TTabSheet& sheet) {
        sheet.Parent = this;
        pages_.push_back(&sheet);
        if (active_ == nullptr) active_ = &sheet;
    }
    const std::vector<TTabSheet*>& Pages() const { return pages_; }
    TTabSheet* ActivePage() const { return active_; }
    void SetActivePage(TTabSheet& sheet) { active_ = &sheet; }
    void UserSwitch(TTabSheet& sheet) {
        active_ = &sheet;
        if (OnChange) OnChange();
    }
    // The page `step` places after the active one, round from the last page to the first
    // and back: where Ctrl+Tab (1) and Ctrl+Shift+Tab (-1) take the tab set.
    TTabSheet* PageAfterActive(int step) const {
        if (pages_.empty()) return nullptr;
        const auto count = static_cast<std::ptrdiff_t>(pages_.size());
        const std::ptrdiff_t at = std::find(pages_.begin(), pages_.end(), active_) - pages_.begin();
        return pages_[static_cast<std::size_t>(((at + step) % count + count) % count)];
    }

private:
    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
};

// The innermost tab set that `control` is or stands on a page of, nullptr outside every
// tab set: the one whose pages the keyboard switches while `control` has the focus.
inline TPageControl* TabSetHolding(TControl& control) {
    for (TControl* c = &control; c != nullptr; c = c->Parent)
        if (auto* tabs = dynamic_cast<TPageControl*>(c)) return tabs;
    return nullptr;
}

}  // namespace ui
