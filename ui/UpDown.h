#pragma once
// A spin: Min, Max, a step and a signed 16-bit position. With a text box as its
// associate, the box is the spin's value: setting the position writes the number into
// the box, the position is the number the box shows, and writing a number into the box
// sets the position. A position set from code (a unit's record, a settings file, the
// defaults) is held exactly as given, also outside Min..Max, so that a value nobody
// changed goes back to the unit as it came; only the user's steps keep to the range. A
// spin that shows its position some other way (the voltage in volts) has a display rule
// instead.

#include <cstdint>
#include <functional>
#include <string>

#include "ui/Control.h"
#include "ui/Text.h"

namespace ui {

class TUpDown : public TControl {
public:
    using TControl::TControl;
    // Runs whenever the position is set, from code or by an arrow click, so that a
    // display of the position can never lag behind it.
    std::function<void()> OnPositionSet;

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Increment() const { return increment_; }
    void SetMin(int min) { min_ = min; }
    void SetMax(int max) { max_ = max; }
    void SetIncrement(int increment) { increment_ = increment; }

    void Associate(TStaticText& box);
    TStaticText* AssociatedBox() const { return box_; }

    std::int16_t Position() const { return position_; }
    std::optional<std::string> ShownValue() const override { return std::to_string(position_); }
    // Takes the low 16 bits as a signed number, as a record word or file value is taken.
    void SetPosition(int position);
    // An arrow click: one step up or down, stopping at Min and Max. From a position
    // outside the range the first step lands on the nearer end, whichever arrow it was.
    void UserClick(bool up);

private:
    void TakeBoxText();

    int min_ = 0;
    int max_ = 100;
    int increment_ = 1;
    std::int16_t position_ = 0;
    TStaticText* box_ = nullptr;
    bool writingBox_ = false;
};

}  // namespace ui
