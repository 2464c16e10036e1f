#pragma once
// Push buttons, tick boxes and radio buttons.

#include <functional>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

class TButton : public TControl {
public:
    using TControl::TControl;
    std::string Caption;
    bool MultiLine = false;  // the multi-line button style: a line feed breaks the caption
    std::function<void()> OnClick;
    void UserClick() {
        if (OnClick) OnClick();
    }
};

// A tick box runs its click handler whenever its state actually changes, whether the
// user clicked it or code set it.
class TCheckBox : public TControl {
public:
    using TControl::TControl;
    std::string Caption;
    std::function<void()> OnClick;

    bool Checked() const { return checked_; }
    void SetChecked(bool checked) {
        if (checked == checked_) return;
        checked_ = checked;
        if (OnClick) OnClick();
    }
    std::optional<std::string> ShownValue() const override { return checked_ ? "1" : "0"; }
    void UserClick() { SetChecked(!checked_); }

private:
    bool checked_ = false;
};

// Radio buttons of one group: selecting one deselects the others. Selecting runs the
// click handler when the selection changes; a click on the selected button does nothing.
class TRadioButton : public TControl {
public:
    using TControl::TControl;
    std::string Caption;
    std::function<void()> OnClick;

    static void Group(const std::vector<TRadioButton*>& buttons) {
        for (TRadioButton* b : buttons) b->peers_ = buttons;
    }
    std::optional<std::string> ShownValue() const override { return checked_ ? "1" : "0"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked) {
        if (checked == checked_) return;
        checked_ = checked;
        if (!checked) return;
        for (TRadioButton* peer : peers_)
            if (peer != this) peer->checked_ = false;
        if (OnClick) OnClick();
    }
    void UserClick() { SetChecked(true); }

    // The buttons of this one's group, itself included, in the order they were grouped.
    const std::vector<TRadioButton*>& Peers() const { return peers_; }
    // The keyboard reaches a group by Tab only at its selected button, or at its first one
    // while none is selected: focus on another button would select it.
    bool IsTabStop() const {
        if (checked_ || peers_.empty()) return true;
        for (const TRadioButton* peer : peers_)
            if (peer->checked_) return false;
        return peers_.front() == this;
    }

private:
    bool checked_ = false;
    std::vector<TRadioButton*> peers_;
};

}  // namespace ui
