#include "records/GatewayRecord.h"

#include <algorithm>
#include <span>
#include <vector>

#include "editor/KeyPressMaps.h"
#include "editor/SettingsTables.h"
#include "records/WordFields.h"

namespace records {
namespace {

using editor::E;
using editor::TGatewayLine;

using editor::TSpinSetting;
using editor::TTickSetting;

constexpr std::size_t kFlagWord = 0;

// The gateway's rows of a settings table.
template <typename TRow>
std::vector<const TRow*> GatewayRows(std::span<const TRow> rows) {
    std::vector<const TRow*> gateway;
    for (const TRow& row : rows)
        if (editor::IsGatewayPage(row.Page)) gateway.push_back(&row);
    return gateway;
}

// From the lowest flag bit up: the order in which a record's ticks are applied, and so
// the order in which their click rules run (the Find-Me warning first).
std::vector<const TTickSetting*> FlagTicks() {
    std::vector<const TTickSetting*> ticks = GatewayRows(editor::TickSettings());
    std::ranges::sort(ticks, {}, &TTickSetting::FlagBit);
    return ticks;
}

std::uint16_t Encode(std::int16_t position, editor::TWordForm form) {
    const std::uint16_t word = SpinWord(position);
    return form == editor::TWordForm::LowByte ? static_cast<std::uint16_t>(word & 0x00FF) : word;
}

std::int16_t Decode(std::uint16_t word, editor::TWordForm form) {
    return form == editor::TWordForm::LowByte ? std::int16_t{static_cast<std::int8_t>(word & 0x00FF)}
                                              : SpinPosition(word);
}

std::size_t At(int word) { return static_cast<std::size_t>(word); }

// The line word. The direction is the I/O list's item index (0 "Input", 1 "Output").
// The active bit is the Active list's item index (0 "Low", 1 "High") on an input
// line and its inverse on an output line. The function is a key-press code of the
// line's direction.
constexpr int kDirectionBit = 15;
constexpr int kActiveBit = 14;
constexpr TWordField kFunctionField{0, 0x3FFF};

int ItemBit(const ui::TComboBox& list) { return static_cast<int>(static_cast<unsigned>(list.ItemIndex()) & 1u); }

}  // namespace

gw_xsettings_t MapSettingsToGWRecord(const editor::TSettingsEditor& e) {
    TRecordWords words{};
    for (const TTickSetting* tick : FlagTicks()) words[kFlagWord] |= BitValue((e.*tick->Box).Checked(), tick->FlagBit);
    for (const TSpinSetting* spin : GatewayRows(editor::SpinSettings()))
        words[At(spin->Word)] = Encode((e.*spin->UpDown).Position(), spin->Form);
    for (const TGatewayLine& line : editor::GatewayLines()) {
        const bool output = ItemBit(e.*line.IO) != 0;
        const bool active = ItemBit(e.*line.Active) != 0;
        const int code = editor::MapComboBoxToGWKeyPress(e.*line.Function, e.Prompter);
        words[At(editor::LineWord(line))] =
            static_cast<std::uint16_t>(BitValue(output, kDirectionBit) | BitValue(active != output, kActiveBit) |
                                       Placed(static_cast<unsigned>(code), kFunctionField));
        words[At(editor::PulseWord(line))] = SpinWord((e.*line.Pulse).Position());
    }
    return FromWords<gw_xsettings_t>(words);
}

void MapGWRecordToSettings(const gw_xsettings_t& record, editor::TSettingsEditor& e) {
    const TRecordWords words = ToWords(record);
    for (const TTickSetting* tick : FlagTicks()) (e.*tick->Box).SetChecked(BitOf(words[kFlagWord], tick->FlagBit));
    for (const TSpinSetting* spin : GatewayRows(editor::SpinSettings()))
        (e.*spin->UpDown).SetPosition(Decode(words[At(spin->Word)], spin->Form));
    for (const TGatewayLine& line : editor::GatewayLines()) {
        const std::uint16_t word = words[At(editor::LineWord(line))];
        const bool output = BitOf(word, kDirectionBit);
        ui::TComboBox& active = e.*line.Active;
        (e.*line.IO).SetItemIndex(output ? 1 : 0);
        e.RebuildFunctionList(line);
        active.SetItemIndex(BitOf(word, kActiveBit) ? 1 : 0);
        editor::MapGWKeyPressToComboBox(FieldOf(word, kFunctionField), e.*line.Function, e.Prompter);
        if (output) active.SetItemIndex(active.ItemIndex() == 0 ? 1 : 0);
        e.ApplyPulseRange(e.*line.Function);
        (e.*line.Pulse).SetPosition(SpinPosition(words[At(editor::PulseWord(line))]));
    }
    e.RefreshDependentControls();
    e.RememberGatewayIndices();
}

}  // namespace records
