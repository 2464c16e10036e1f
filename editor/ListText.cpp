#include "editor/ListText.h"

namespace editor {

void SelectItemContaining(ui::TComboBox& list, const std::string& text) {
    for (int i = 0; i < list.Count(); ++i) {
        if (list.Items()[static_cast<std::size_t>(i)].find(text) != std::string::npos) {
            list.SetItemIndex(i);
            return;
        }
    }
}

bool SelectedItemContains(const ui::TComboBox& list, const std::string& text) {
    return list.ItemIndex() >= 0 && list.Text().find(text) != std::string::npos;
}

}  // namespace editor
