// Taking the editor's state and putting it back. Putting it back goes through the
// controls' own setters with their handlers held aside: a tick box set from code would
// run its click rule (the edition rule, the Find-Me warning), a spin would redraw the
// volts, and a spin's box would move its spin. The state put back is already the result
// of every rule, so none may run again.

#include <functional>
#include <stdexcept>
#include <utility>

#include "editor/SettingsEditor.h"

namespace editor {
namespace {

// Runs `set` while `handler` is held aside.
template <typename TSet>
void Quietly(std::function<void()>& handler, TSet set) {
    std::function<void()> held = std::exchange(handler, nullptr);
    set();
    handler = std::move(held);
}

TControlState StateOf(const ui::TControl& control) {
    TControlState state{.Enabled = control.Enabled};
    if (const auto* box = dynamic_cast<const ui::TCheckBox*>(&control)) {
        state.Checked = box->Checked();
    } else if (const auto* radio = dynamic_cast<const ui::TRadioButton*>(&control)) {
        state.Checked = radio->Checked();
    } else if (const auto* list = dynamic_cast<const ui::TComboBox*>(&control)) {
        state.Items = list->Items();
        state.ItemIndex = list->ItemIndex();
        state.Text = list->Text();
    } else if (const auto* spin = dynamic_cast<const ui::TUpDown*>(&control)) {
        state.Min = spin->Min();
        state.Max = spin->Max();
        state.Position = spin->Position();
    } else if (const auto* text = dynamic_cast<const ui::TStaticText*>(&control)) {
        state.Text = text->Text();
    }
    return state;
}

// Everything but the spins' boxes: a spin writes its position into its box, and the box
// gets its own text back afterwards.
void RestoreControl(ui::TControl& control, const TControlState& state) {
    control.Enabled = state.Enabled;
    if (auto* box = dynamic_cast<ui::TCheckBox*>(&control)) {
        Quietly(box->OnClick, [&] { box->SetChecked(state.Checked); });
    } else if (auto* radio = dynamic_cast<ui::TRadioButton*>(&control)) {
        Quietly(radio->OnClick, [&] { radio->SetChecked(state.Checked); });
    } else if (auto* list = dynamic_cast<ui::TComboBox*>(&control)) {
        if (list->Items() != state.Items) list->SetItems(state.Items);
        list->SetItemIndex(state.ItemIndex);
        if (state.ItemIndex < 0) list->SetText(state.Text);
    } else if (auto* spin = dynamic_cast<ui::TUpDown*>(&control)) {
        spin->SetMin(state.Min);
        spin->SetMax(state.Max);
        Quietly(spin->OnPositionSet, [&] { spin->SetPosition(state.Position); });
    }
}

}  // namespace

TEditorState TSettingsEditor::State() const {
    TEditorState state{.RememberedIO = rememberedIO_, .RememberedFunction = rememberedFunction_};
    state.Controls.reserve(controls_.size());
    for (const ui::TControl* control : controls_) state.Controls.push_back(StateOf(*control));
    return state;
}

void TSettingsEditor::RestoreState(const TEditorState& state) {
    if (state.Controls.size() != controls_.size())
        throw std::logic_error("an editor state put back into an editor of other controls");
    for (std::size_t i = 0; i < controls_.size(); ++i) RestoreControl(*controls_[i], state.Controls[i]);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (auto* text = dynamic_cast<ui::TStaticText*>(controls_[i]))
            Quietly(text->OnTextWritten, [&] { text->SetText(state.Controls[i].Text); });
    }
    rememberedIO_ = state.RememberedIO;
    rememberedFunction_ = state.RememberedFunction;
}

}  // namespace editor
