#pragma once
// A drop-down list: its items and selected index set from code run no handler; a user
// choice runs the change handler every time, also when it picks the index already chosen.

#include <functional>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

class TComboBox : public TControl {
public:
    using TControl::TControl;
    std::function<void()> OnChange;

    const std::vector<std::string>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    int ItemIndex() const { return index_; }
    // The text the list shows: its selected item, or what it was given when nothing is
    // selected (empty once a selection has been cleared).
    const std::string& Text() const { return text_; }
    std::optional<std::string> ShownValue() const override { return text_; }

    void Clear() {
        items_.clear();
        index_ = -1;
        text_.clear();
    }
    void Add(std::string item) { items_.push_back(std::move(item)); }
    void SetItems(std::vector<std::string> items) {
        Clear();
        items_ = std::move(items);
    }
    void SetText(std::string text) { text_ = std::move(text); }
    // An index outside the list leaves no selection.
    void SetItemIndex(int index) {
        if (index < 0 || index >= Count()) {
            index_ = -1;
            text_.clear();
            return;
        }
        index_ = index;
        text_ = items_[static_cast<std::size_t>(index)];
    }
    void UserSelect(int index) {
        SetItemIndex(index);
        if (OnChange) OnChange();
    }

private:
    std::vector<std::string> items_;
    int index_ = -1;
    std::string text_;
};

}  // namespace ui
