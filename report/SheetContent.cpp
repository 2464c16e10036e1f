#include "report/SheetContent.h"

#include <algorithm>

#include "report/HeadlessEditor.h"

namespace report {
namespace {

using E = editor::TSettingsEditor;

// The row of the button grid that holds the list, and its column; null outside the grid.
std::pair<const editor::TButtonRow*, std::size_t> ButtonCellOf(const files::TFileKey& key) {
    const auto* list = std::get_if<ui::TComboBox E::*>(&key.Control);
    if (list == nullptr) return {nullptr, 0};
    for (const editor::TButtonRow& row : editor::ButtonRows()) {
        const ui::TComboBox E::*cells[] = {row.PressAndHold, row.ShortPress, row.LongPress};
        for (std::size_t column = 0; column < std::size(cells); ++column)
            if (cells[column] == *list) return {&row, column};
    }
    return {nullptr, 0};
}

}  // namespace

bool TSheetLine::Output() const { return IO().Shown.Value.find("Output") != std::string::npos; }
bool TSheetLine::Disabled() const { return Function().Shown.Value.find("Disabled") != std::string::npos; }

int TUnitSheetContent::ChangedCount() const {
    int changed = 0;
    for (const TSheetPage& page : Pages)
        changed += static_cast<int>(std::ranges::count_if(page.Settings, &TSheetSetting::Changed));
    for (const TSheetButton& button : Buttons)
        changed += static_cast<int>(std::ranges::count_if(button.Cells, &TSheetSetting::Changed));
    for (const TSheetLine& line : Lines)
        changed += static_cast<int>(std::ranges::count_if(line.Cells, &TSheetSetting::Changed));
    return changed;
}

TUnitSheetContent SheetContentOf(const E& settings, const records::TUnitKind& kind) {
    THeadlessEditor factory;
    if (!settings.ArdexSelected()) factory.Editor().ApplyKestoEdition();
    const E& defaults = factory.Editor();
    TUnitSheetContent content{&kind, {}, {}, {}};
    if (kind.Pages == &E::HandsetTabSheet)
        for (const editor::TButtonRow& row : editor::ButtonRows()) content.Buttons.push_back({&row, {}});
    else
        for (const editor::TGatewayLine& line : editor::GatewayLines()) content.Lines.push_back({&line, {}});

    for (files::TShownSetting& shown : files::ShownSettings(settings)) {
        if (!shown.OnPage || shown.PageSet != kind.Pages) continue;
        const files::TFileKey& key = *shown.Key;
        TSheetSetting setting{std::move(shown), files::ShowSetting(defaults, key).Value};
        if (key.Line >= 0) {
            const auto part = static_cast<std::size_t>(key.Part) - static_cast<std::size_t>(files::TLinePart::IO);
            content.Lines[static_cast<std::size_t>(key.Line)].Cells[part] = std::move(setting);
            continue;
        }
        if (const auto [row, column] = ButtonCellOf(key); row != nullptr) {
            content.Buttons[static_cast<std::size_t>(row - editor::ButtonRows().data())].Cells[column] =
                std::move(setting);
            continue;
        }
        const std::string caption = editor::PageCaption(*setting.Shown.OnPage);
        if (content.Pages.empty() || content.Pages.back().Caption != caption) content.Pages.push_back({caption, {}});
        content.Pages.back().Settings.push_back(std::move(setting));
    }
    return content;
}

}  // namespace report
