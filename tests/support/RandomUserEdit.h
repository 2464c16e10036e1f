#pragma once
// One random user edit on the started window: a click on a tick box or an edition
// button, a list choice, a few steps of one spin, a tab switch or the picture's
// modifier-click, always on a control the user can reach. The soak, the property tests
// and the undo tests reach their editor states this way.

#include <random>
#include <string>
#include <vector>

#include "app/MajorForm.h"
#include "ui/Headless.h"

namespace testing_support {

struct TUserEdit {
    std::string Description;               // for a failure report
    const ui::TUpDown* Stepped = nullptr;  // the spin stepped, if the edit stepped one
};

inline bool UserCanChange(const app::TMajorForm& form, const ui::TControl& c) {
    return dynamic_cast<const ui::TCheckBox*>(&c) != nullptr || dynamic_cast<const ui::TRadioButton*>(&c) != nullptr ||
           dynamic_cast<const ui::TComboBox*>(&c) != nullptr || dynamic_cast<const ui::TUpDown*>(&c) != nullptr ||
           dynamic_cast<const ui::TTabSheet*>(&c) != nullptr || &c == &form.MainImage;
}

inline TUserEdit RandomUserEdit(app::TMajorForm& form, ui::THeadlessKeyboard& keyboard, std::mt19937& random) {
    const auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    std::vector<ui::TControl*> reachable;
    for (ui::TControl* c : form.AllControls())
        if (c->Reachable() && UserCanChange(form, *c)) reachable.push_back(c);
    ui::TControl* c = reachable[static_cast<std::size_t>(below(static_cast<int>(reachable.size())))];
    if (auto* box = dynamic_cast<ui::TCheckBox*>(c)) {
        box->UserClick();
        return {"click " + box->Name};
    }
    if (auto* radio = dynamic_cast<ui::TRadioButton*>(c)) {
        radio->UserClick();
        return {"click " + radio->Name};
    }
    if (auto* list = dynamic_cast<ui::TComboBox*>(c); list != nullptr && list->Count() > 0) {
        const int index = below(list->Count());
        list->UserSelect(index);
        return {"select " + list->Name + " " + std::to_string(index)};
    }
    if (auto* spin = dynamic_cast<ui::TUpDown*>(c)) {
        const bool up = below(2) == 0;
        const int clicks = 1 + below(5);
        for (int i = 0; i < clicks; ++i) spin->UserClick(up);
        return {"spin " + spin->Name + (up ? " up " : " down ") + std::to_string(clicks), spin};
    }
    if (auto* sheet = dynamic_cast<ui::TTabSheet*>(c)) {
        if (auto* pages = dynamic_cast<ui::TPageControl*>(sheet->Parent)) pages->UserSwitch(*sheet);
        return {"tab " + sheet->Name};
    }
    if (c == &form.MainImage) {
        const int keys[] = {ui::VK_LShift, ui::VK_RShift, ui::VK_LControl, ui::VK_RControl};
        keyboard.held = {keys[below(4)]};
        form.MainImage.UserClick();
        keyboard.held.clear();
        return {"click MainImage with a modifier"};
    }
    return {"looked at " + c->Name};
}

}  // namespace testing_support
