#pragma once
// Key-press codes: the small numbers a unit's record stores for a handset button action
// (0 to 9) or a gateway line function (0 to 8, one code space for input lines and one
// for output lines), and their conversion to and from list items.

#include <span>
#include <string>
#include <vector>

#include "ui/ComboBox.h"
#include "ui/Prompt.h"

namespace editor {

struct TKeyText {
    const char* Text;
    int Code;
};

// In the order the item texts are tested.
std::span<const TKeyText> HandsetKeyTexts();
std::span<const TKeyText> GatewayKeyTexts();
// The gateway function lists, derived from the gateway codes.
std::vector<std::string> InputFunctionItems();
std::vector<std::string> OutputFunctionItems(bool withHandsfree);

int MapComboBoxToHSKeyPress(const ui::TComboBox& list, ui::TPrompter& prompter);
int MapComboBoxToGWKeyPress(const ui::TComboBox& list, ui::TPrompter& prompter);
void MapHSKeyPressToComboBox(int code, ui::TComboBox& list, ui::TPrompter& prompter);
// The caller first gives the list the item set of the line's direction.
void MapGWKeyPressToComboBox(int code, ui::TComboBox& list, ui::TPrompter& prompter);

}  // namespace editor
