#include "records/HandsetRecord.h"

#include <algorithm>
#include <functional>
#include <span>
#include <vector>

#include "editor/KeyPressMaps.h"
#include "editor/SettingsTables.h"
#include "records/WordFields.h"

namespace records {
namespace {

using editor::E;
using editor::TButtonRow;
using editor::TListSetting;
using editor::TSpinSetting;
using editor::TTickSetting;

constexpr std::size_t kFlagWord = 0;

// The handset's rows of a settings table.
template <typename TRow>
std::vector<const TRow*> HandsetRows(std::span<const TRow> rows) {
    std::vector<const TRow*> handset;
    for (const TRow& row : rows)
        if (!editor::IsGatewayPage(row.Page)) handset.push_back(&row);
    return handset;
}

// From the highest flag bit down: the order in which a record's ticks are applied, and
// so the order in which their click rules run.
std::vector<const TTickSetting*> FlagTicks() {
    std::vector<const TTickSetting*> ticks = HandsetRows(editor::TickSettings());
    std::ranges::sort(ticks, std::greater{}, &TTickSetting::FlagBit);
    return ticks;
}

// The three actions of a button within its key word, in the order they are converted.
struct TKeyField {
    ui::TComboBox E::*TButtonRow::*List;
    TWordField Field;
};

constexpr TKeyField kKeyFields[] = {
    {&TButtonRow::PressAndHold, {11, 0x1F}},
    {&TButtonRow::ShortPress, {6, 0x1F}},
    {&TButtonRow::LongPress, {0, 0x3F}},
};

}  // namespace

hs_xsettings_t MapSettingsToHSRecord(const editor::TSettingsEditor& e) {
    TRecordWords words{};
    std::uint16_t& flags = words[kFlagWord];
    for (const TTickSetting* tick : FlagTicks()) flags |= BitValue((e.*tick->Box).Checked(), tick->FlagBit);
    for (const TListSetting* list : HandsetRows(editor::ListSettings()))
        flags |= BitValue((static_cast<unsigned>((e.*list->List).ItemIndex()) & 1u) != 0, list->FlagBit);
    for (const TSpinSetting* spin : HandsetRows(editor::SpinSettings()))
        words[static_cast<std::size_t>(spin->Word)] = SpinWord((e.*spin->UpDown).Position());
    for (const TButtonRow& row : editor::ButtonRows()) {
        std::uint16_t word = 0;
        for (const TKeyField& key : kKeyFields) {
            const int code = editor::MapComboBoxToHSKeyPress(e.*(row.*key.List), e.Prompter);
            word |= Placed(static_cast<unsigned>(code), key.Field);
        }
        words[static_cast<std::size_t>(row.Word)] = word;
    }
    return FromWords<hs_xsettings_t>(words);
}

void MapHSRecordToSettings(const hs_xsettings_t& record, editor::TSettingsEditor& e) {
    const TRecordWords words = ToWords(record);
    const std::uint16_t flags = words[kFlagWord];
    for (const TTickSetting* tick : FlagTicks()) (e.*tick->Box).SetChecked(BitOf(flags, tick->FlagBit));
    for (const TListSetting* list : HandsetRows(editor::ListSettings()))
        (e.*list->List).SetItemIndex(BitOf(flags, list->FlagBit) ? 1 : 0);
    for (const TSpinSetting* spin : HandsetRows(editor::SpinSettings()))
        (e.*spin->UpDown).SetPosition(SpinPosition(words[static_cast<std::size_t>(spin->Word)]));
    for (const TButtonRow& row : editor::ButtonRows()) {
        const std::uint16_t word = words[static_cast<std::size_t>(row.Word)];
        for (const TKeyField& key : kKeyFields)
            editor::MapHSKeyPressToComboBox(FieldOf(word, key.Field), e.*(row.*key.List), e.Prompter);
    }
    e.RefreshDependentControls();
}

}  // namespace records
