#pragma once
// Reading and setting the settings controls by name and by the value they show, so that
// tests can state editor contents as "control=value" pairs.

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Text.h"
#include "ui/UpDown.h"

namespace testing_support {

inline ui::TControl& ControlNamed(const std::vector<ui::TControl*>& controls, const std::string& name) {
    for (ui::TControl* c : controls)
        if (c->Name == name) return *c;
    throw std::invalid_argument("no control named " + name);
}

// Tick boxes and radio buttons show "1" or "0", lists their selected item, spins their
// position, labels their caption and text boxes their text.
inline std::string ShownValue(const ui::TControl& c) {
    if (std::optional<std::string> value = c.ShownValue()) return *value;
    throw std::invalid_argument(c.Name + " shows no value");
}

// As a user would set it: a tick box clicked when it must change, a list item chosen by
// its exact text (running the list's change rule), a spin moved to the position.
inline void UserSets(ui::TControl& c, const std::string& value) {
    if (auto box = dynamic_cast<ui::TCheckBox*>(&c)) {
        if (box->Checked() != (value == "1")) box->UserClick();
        return;
    }
    if (auto list = dynamic_cast<ui::TComboBox*>(&c)) {
        for (int i = 0; i < list->Count(); ++i)
            if (list->Items()[static_cast<std::size_t>(i)] == value) return list->UserSelect(i);
        throw std::invalid_argument(c.Name + " has no item " + value);
    }
    if (auto spin = dynamic_cast<ui::TUpDown*>(&c)) return spin->SetPosition(std::stoi(value));
    throw std::invalid_argument(c.Name + " cannot be set");
}

struct TControlValue {
    std::string Control;
    std::string Value;
};

}  // namespace testing_support
