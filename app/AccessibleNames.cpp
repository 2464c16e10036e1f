#include "app/AccessibleNames.h"

#include "editor/SettingsTables.h"
#include "ui/Pages.h"

namespace app {
namespace {

// Captions that carry blanks at their ends for the layout's sake are read without them.
std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string InGrid(const char* row, const char* column) { return std::string(row) + " " + column; }

std::string SettingName(const TMajorForm& form, const ui::TControl& control) {
    for (const editor::TSpinSetting& spin : editor::SpinSettings())
        if (&control == &(form.*spin.UpDown) || &control == &(form.*spin.Box)) return Trimmed(spin.Caption);
    for (const editor::TListSetting& list : editor::ListSettings())
        if (&control == &(form.*list.List)) return Trimmed(list.Caption);
    for (const editor::TButtonRow& row : editor::ButtonRows()) {
        const ui::TComboBox* cells[] = {&(form.*row.PressAndHold), &(form.*row.ShortPress), &(form.*row.LongPress)};
        for (std::size_t c = 0; c < std::size(cells); ++c)
            if (&control == cells[c]) return InGrid(row.Caption, editor::kButtonColumns[c]);
    }
    for (const editor::TGatewayLine& line : editor::GatewayLines()) {
        const ui::TControl* cells[] = {&(form.*line.IO), &(form.*line.Active), &(form.*line.Function)};
        for (std::size_t c = 0; c < std::size(cells); ++c)
            if (&control == cells[c]) return InGrid(line.Caption, editor::kLineColumns[c]);
        if (&control == &(form.*line.Pulse) || &control == &(form.*line.PulseBox))
            return InGrid(line.Caption, editor::kLineColumns[3]);
    }
    return {};
}

}  // namespace

std::string AccessibleName(const TMajorForm& form, const ui::TControl& control) {
    if (&control == &form.MainImage) return "ZENTA product picture";
    if (&control == &form.InfoMemo) return "Activity log";
    if (const auto* tabs = dynamic_cast<const ui::TPageControl*>(&control))
        return tabs->ActivePage() ? tabs->ActivePage()->Caption : std::string();
    return SettingName(form, control);
}

}  // namespace app
