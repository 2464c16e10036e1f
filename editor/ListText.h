#pragma once
// Lists are set and tested by text: an item matches when it contains the given text,
// exact characters, and the first matching item wins. So "Disabled" selects "(Disabled)".

#include <string>
#include <vector>

#include "ui/ComboBox.h"

namespace editor {

// The first item containing `text`; -1 when none does.
int IndexOfItemContaining(const std::vector<std::string>& items, const std::string& text);
// Selects the first item containing `text`; nothing changes when no item does.
void SelectItemContaining(ui::TComboBox& list, const std::string& text);
// Whether the selected item contains `text`; false when nothing is selected.
bool SelectedItemContains(const ui::TComboBox& list, const std::string& text);

}  // namespace editor
