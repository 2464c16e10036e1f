#include "files/ShownSettings.h"

#include <variant>

#include "editor/SettingsLookup.h"
#include "editor/SettingsTables.h"

namespace files {
namespace {

using E = editor::TSettingsEditor;
using editor::TPage;

// Pages sort in the order of the window's tabs; the edition's group stands before them.
constexpr int kModelOrder = -1;

// A setting's place in the window and its value as shown there.
struct TView {
    int Order = kModelOrder;
    std::string Page;
    std::string Caption;
    std::string Value;
};

ui::TTabSheet E::*PageSetOf(TPage page) {
    return editor::IsGatewayPage(page) ? &E::CradleTabSheet : &E::HandsetTabSheet;
}

std::string PageText(const E& e, TPage page) {
    return (e.*PageSetOf(page)).Caption + " / " + editor::PageCaption(page);
}

TView OnPage(const E& e, TPage page, std::string caption, std::string value) {
    return {static_cast<int>(page), PageText(e, page), std::move(caption), std::move(value)};
}

TView LineCell(const E& e, const TFileKey& key, std::string value) {
    const editor::TGatewayLine& line = editor::GatewayLines()[static_cast<std::size_t>(key.Line)];
    const auto column = static_cast<std::size_t>(key.Part) - static_cast<std::size_t>(TLinePart::IO);
    return OnPage(e, TPage::GWHardware, std::string(line.Caption) + ": " + editor::kLineColumns[column],
                  std::move(value));
}

// Every setting control stands in exactly one row of the settings tables.
struct TDescribe {
    const E& e;
    const TFileKey& key;

    TView operator()(std::monostate) const { return {kModelOrder, "", "reserved", "0"}; }

    TView operator()(ui::TRadioButton E::*) const {
        const ui::TRadioButton& selected = e.butModelArdex.Checked() ? e.butModelArdex : e.butModelKesto;
        return {kModelOrder, e.grpModelBox.Caption, "Edition", selected.Caption};
    }

    TView operator()(ui::TCheckBox E::*box) const {
        const editor::TTickSetting& tick = editor::TickSettingOf(box);
        return OnPage(e, tick.Page, tick.Caption, (e.*box).Checked() ? "ticked" : "unticked");
    }

    // A list without a selection shows nothing.
    TView operator()(ui::TComboBox E::*list) const {
        const std::string value = (e.*list).ItemIndex() < 0 ? "" : (e.*list).Text();
        if (key.Line >= 0) return LineCell(e, key, value);
        for (const editor::TListSetting& setting : editor::ListSettings())
            if (setting.List == list) return OnPage(e, setting.Page, setting.Caption, value);
        for (const editor::TButtonRow& row : editor::ButtonRows()) {
            const ui::TComboBox E::*cells[] = {row.PressAndHold, row.ShortPress, row.LongPress};
            for (std::size_t column = 0; column < std::size(cells); ++column)
                if (cells[column] == list)
                    return OnPage(e, TPage::Hardware, std::string(row.Caption) + ": " + editor::kButtonColumns[column],
                                  value);
        }
        return {};
    }

    // The value is the spin's text box, which for the voltage shows volts.
    TView operator()(ui::TUpDown E::*spin) const {
        if (key.Line >= 0) {
            const editor::TGatewayLine& line = editor::GatewayLines()[static_cast<std::size_t>(key.Line)];
            return LineCell(e, key, (e.*line.PulseBox).Text());
        }
        const editor::TSpinSetting& setting = editor::SpinSettingOf(spin);
        std::string value = (e.*setting.Box).Text();
        if (!setting.Unit.empty()) value.append(" ").append(setting.Unit);
        return OnPage(e, setting.Page, setting.Caption, value);
    }
};

TView ViewOf(const E& e, const TFileKey& key) { return std::visit(TDescribe{e, key}, key.Control); }

}  // namespace

TShownSetting ShowSetting(const E& settings, const TFileKey& key) {
    TView view = ViewOf(settings, key);
    ui::TTabSheet E::*pageSet = nullptr;
    if (view.Order != kModelOrder) pageSet = PageSetOf(static_cast<TPage>(view.Order));
    return {&key, pageSet, std::move(view.Page), std::move(view.Caption), std::move(view.Value)};
}

bool OnPages(const TShownSetting& setting, ui::TTabSheet E::*pageSet) {
    return setting.PageSet == nullptr || setting.PageSet == pageSet;
}

std::vector<TShownSetting> ShownSettings(const E& settings) {
    std::vector<const TFileKey*> keys;
    for (const TFileKey& key : FileKeys())
        if (key.Kind() != TKeyKind::Reserved) keys.push_back(&key);
    std::stable_sort(keys.begin(), keys.end(), [&settings](const TFileKey* a, const TFileKey* b) {
        return ViewOf(settings, *a).Order < ViewOf(settings, *b).Order;
    });
    std::vector<TShownSetting> shown;
    shown.reserve(keys.size());
    for (const TFileKey* key : keys) shown.push_back(ShowSetting(settings, *key));
    return shown;
}

std::string TAcceptedValues::Text() const { return std::to_string(Min) + ".." + std::to_string(Max); }

TAcceptedValues AcceptedValues(const E& settings, const TFileKey& key) {
    struct TRange {
        const E& e;
        TAcceptedValues operator()(std::monostate) const { return {0, 0}; }
        TAcceptedValues operator()(ui::TRadioButton E::*) const { return {0, 1}; }
        TAcceptedValues operator()(ui::TCheckBox E::*) const { return {0, 1}; }
        TAcceptedValues operator()(ui::TComboBox E::*list) const { return {0, (e.*list).Count() - 1}; }
        TAcceptedValues operator()(ui::TUpDown E::*spin) const { return {(e.*spin).Min(), (e.*spin).Max()}; }
    };
    return std::visit(TRange{settings}, key.Control);
}

}  // namespace files
