#include "report/SheetContent.h"

#include <algorithm>
#include <numeric>

#include "editor/SettingsLookup.h"
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

// Where a setting's caption stands on its page, in pixels: a tick box's own text, or the
// label before a spin or a list.
struct TSpot {
    int Left = 0;
    int Top = 0;
};

const ui::TControl* CaptionOf(const E& settings, const files::TFileKey& key) {
    if (const auto* box = std::get_if<ui::TCheckBox E::*>(&key.Control)) return &(settings.**box);
    if (const auto* spin = std::get_if<ui::TUpDown E::*>(&key.Control))
        return &(settings.*editor::SpinSettingOf(*spin).Label);
    for (const editor::TListSetting& list : editor::ListSettings())
        if (const auto* control = std::get_if<ui::TComboBox E::*>(&key.Control); control && *control == list.List)
            return &(settings.*list.Label);
    return nullptr;
}

TSpot SpotOf(const E& settings, const files::TFileKey& key) {
    TSpot spot;
    for (const ui::TControl* c = CaptionOf(settings, key);
         c != nullptr && dynamic_cast<const ui::TTabSheet*>(c) == nullptr; c = c->Parent) {
        spot.Left += c->Bounds.Left;
        spot.Top += c->Bounds.Top;
    }
    return spot;
}

// The settings of a page as the window is read: column by column from the left, each
// from the top. A caption that starts within a column's width of a column's first one
// stands in that column.
void InWindowOrder(const E& settings, std::vector<TSheetSetting>& page) {
    constexpr int kColumnWidth = 120;
    std::vector<TSpot> spots;
    spots.reserve(page.size());
    for (const TSheetSetting& setting : page) spots.push_back(SpotOf(settings, *setting.Shown.Key));
    std::vector<int> lefts;
    lefts.reserve(spots.size());
    for (const TSpot& spot : spots) lefts.push_back(spot.Left);
    std::ranges::sort(lefts);
    std::vector<int> columns;  // where each column starts
    for (const int left : lefts)
        if (columns.empty() || left > columns.back() + kColumnWidth) columns.push_back(left);
    const auto place = [&](std::size_t i) {
        const auto column = std::ranges::upper_bound(columns, spots[i].Left) - columns.begin();
        return std::pair(column, spots[i].Top);
    };
    std::vector<std::size_t> order(page.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::ranges::stable_sort(order, {}, place);
    std::vector<TSheetSetting> ordered;
    ordered.reserve(page.size());
    for (const std::size_t i : order) ordered.push_back(std::move(page[i]));
    page = std::move(ordered);
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
    for (TSheetPage& page : content.Pages) InWindowOrder(settings, page.Settings);
    return content;
}

}  // namespace report
