#pragma once
// Tab sets: a page control and its tab sheets. The active page set from code runs no
// handler; a user switch runs the change handler.

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

private:
    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
};

}  // namespace ui
