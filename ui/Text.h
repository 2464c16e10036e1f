#pragma once
// Controls that show text: captions, labels, the bordered text box of a spin, group
// frames and the multi-line log box.

#include <functional>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

class TLabel : public TControl {
public:
    using TControl::TControl;
    std::string Caption;
    std::optional<std::string> ShownValue() const override { return Caption; }
};

class TGroupBox : public TControl {
public:
    using TControl::TControl;
    std::string Caption;
};

// A bordered single-line text box. A spin that owns it as its associate keeps its
// position in this text, so writing a number here moves the spin.
class TStaticText : public TControl {
public:
    using TControl::TControl;
    const std::string& Text() const { return text_; }
    std::optional<std::string> ShownValue() const override { return text_; }
    void SetText(std::string text) {
        text_ = std::move(text);
        if (OnTextWritten) OnTextWritten();
    }
    std::function<void()> OnTextWritten;

private:
    std::string text_;
};

class TMemo : public TControl {
public:
    using TControl::TControl;
    std::vector<std::string> Lines;
};

class TImage : public TControl {
public:
    using TControl::TControl;
    std::function<void()> OnClick;
    void UserClick() {
        if (OnClick) OnClick();
    }
};

}  // namespace ui
