#include "editor/ListText.h"

namespace editor {

int IndexOfItemContaining(const std::vector<std::string>& items, const std::string& text) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].find(text) != std::string::npos) return static_cast<int>(i);
    return -1;
}

void SelectItemContaining(ui::TComboBox& list, const std::string& text) {
    const int index = IndexOfItemContaining(list.Items(), text);
    if (index >= 0) list.SetItemIndex(index);
}

bool SelectedItemContains(const ui::TComboBox& list, const std::string& text) {
    return list.ItemIndex() >= 0 && list.Text().find(text) != std::string::npos;
}

}  // namespace editor
