#include "ui/UpDown.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace ui {

void TUpDown::Associate(TStaticText& box) {
    box_ = &box;
    box.OnTextWritten = [this] { TakeBoxText(); };
    SetPosition(position_);
}

void TUpDown::SetPosition(int position) {
    position_ = static_cast<std::int16_t>(position);
    if (box_ != nullptr) {
        writingBox_ = true;
        box_->SetText(std::to_string(position_));
        writingBox_ = false;
    }
    if (OnPositionSet) OnPositionSet();
}

// Text that is not a whole number leaves the position as it was.
void TUpDown::TakeBoxText() {
    if (writingBox_) return;
    const std::string& text = box_->Text();
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return;
    SetPosition(value);
}

void TUpDown::UserClick(bool up) {
    const int position = Position();
    if (position < min_ || position > max_) {
        SetPosition(position < min_ ? min_ : max_);
        return;
    }
    SetPosition(std::clamp(position + (up ? increment_ : -increment_), min_, max_));
}

}  // namespace ui
