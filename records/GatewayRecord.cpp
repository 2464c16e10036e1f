#include "records/GatewayRecord.h"

#include "editor/KeyPressMaps.h"
#include "editor/SettingsTables.h"
#include "records/WordFields.h"

namespace records {
namespace {

using editor::E;
using editor::TGatewayLine;
using GW = gw_xsettings_t;

struct TFlagBit {
    int Bit;
    ui::TCheckBox E::*Box;
};

// Bits of word 0, in the order they are applied; bits 10-0 carry nothing.
constexpr TFlagBit kFlagBits[] = {
    {11, &E::GWFindMeFunctionCheckBox},
    {12, &E::GWPublicAddressModeCheckBox},
    {13, &E::GWVOXEnabledCORCheckBox},
    {14, &E::GWMultiOperationalMicsCheckBox},
    {15, &E::GWEmergencyAlertToneCheckBox},
};

// The receive gain is kept as a signed byte; the other spins as signed words.
enum class TSpinForm { Word, LowByte };

struct TSpinWord {
    std::uint16_t GW::*Field;
    ui::TUpDown E::*UpDown;
    TSpinForm Form;
};

constexpr TSpinWord kSpinWords[] = {
    {&GW::GWTalkAroundOutputGain, &E::GWTalkAroundOutputGainUpDown, TSpinForm::Word},
    {&GW::GWReceiveInputGain, &E::GWReceiveInputGainUpDown, TSpinForm::LowByte},
    {&GW::GWTransmitOutputGain, &E::GWTransmitOutputGainUpDown, TSpinForm::Word},
    {&GW::GWVOXTriggerLevel, &E::GWVOXTriggerLevelUpDown, TSpinForm::Word},
};

std::uint16_t Encode(std::int16_t position, TSpinForm form) {
    const std::uint16_t word = SpinWord(position);
    return form == TSpinForm::LowByte ? static_cast<std::uint16_t>(word & 0x00FF) : word;
}

std::int16_t Decode(std::uint16_t word, TSpinForm form) {
    return form == TSpinForm::LowByte ? std::int16_t{static_cast<std::int8_t>(word & 0x00FF)} : SpinPosition(word);
}

// The words of each I/O line, in grid order: taken by the line's index.
struct TLineWords {
    std::uint16_t GW::*Line;
    std::uint16_t GW::*Pulse;
};

constexpr TLineWords kLineWords[] = {
    {&GW::GWRadioPTTLine, &GW::GWRadioPTTPulse},
    {&GW::GWRadioEmergencyLine, &GW::GWRadioEmergencyPulse},
    {&GW::GWRadioCORLine, &GW::GWRadioCORPulse},
    {&GW::GWRadioFunction1Line, &GW::GWRadioFunction1Pulse},
    {&GW::GWRadioFunction2Line, &GW::GWRadioFunction2Pulse},
    {&GW::GWRadioFunction3Line, &GW::GWRadioFunction3Pulse},
    {&GW::GWRadioFunction4Line, &GW::GWRadioFunction4Pulse},
    {&GW::GWRadioFunction5Line, &GW::GWRadioFunction5Pulse},
    {&GW::GWRadioFunction6Line, &GW::GWRadioFunction6Pulse},
};

// The line word. The direction is the I/O list's item index (0 "Input", 1 "Output").
// The active bit is the Active list's item index (0 "Low", 1 "High") on an input
// line and its inverse on an output line. The function is a key-press code of the
// line's direction.
constexpr int kDirectionBit = 15;
constexpr int kActiveBit = 14;
constexpr TWordField kFunctionField{0, 0x3FFF};

const TLineWords& WordsOf(const TGatewayLine& line) { return kLineWords[line.Index]; }

int ItemBit(const ui::TComboBox& list) { return static_cast<int>(static_cast<unsigned>(list.ItemIndex()) & 1u); }

}  // namespace

gw_xsettings_t MapSettingsToGWRecord(const editor::TSettingsEditor& e) {
    gw_xsettings_t record{};
    for (const TFlagBit& flag : kFlagBits) record.Flags |= BitValue((e.*flag.Box).Checked(), flag.Bit);
    for (const TSpinWord& spin : kSpinWords) record.*spin.Field = Encode((e.*spin.UpDown).Position(), spin.Form);
    for (const TGatewayLine& line : editor::GatewayLines()) {
        const bool output = ItemBit(e.*line.IO) != 0;
        const bool active = ItemBit(e.*line.Active) != 0;
        const int code = editor::MapComboBoxToGWKeyPress(e.*line.Function, e.Prompter);
        const TLineWords& words = WordsOf(line);
        record.*words.Line = static_cast<std::uint16_t>(BitValue(output, kDirectionBit) |
                                                        BitValue(active != output, kActiveBit) |
                                                        Placed(static_cast<unsigned>(code), kFunctionField));
        record.*words.Pulse = SpinWord((e.*line.Pulse).Position());
    }
    return record;
}

void MapGWRecordToSettings(const gw_xsettings_t& record, editor::TSettingsEditor& e) {
    for (const TFlagBit& flag : kFlagBits) (e.*flag.Box).SetChecked(BitOf(record.Flags, flag.Bit));
    for (const TSpinWord& spin : kSpinWords)
        (e.*spin.UpDown).SetPosition(Decode(record.*spin.Field, spin.Form));
    for (const TGatewayLine& line : editor::GatewayLines()) {
        const TLineWords& words = WordsOf(line);
        const std::uint16_t word = record.*words.Line;
        const bool output = BitOf(word, kDirectionBit);
        ui::TComboBox& active = e.*line.Active;
        (e.*line.IO).SetItemIndex(output ? 1 : 0);
        e.RebuildFunctionList(line);
        active.SetItemIndex(BitOf(word, kActiveBit) ? 1 : 0);
        editor::MapGWKeyPressToComboBox(FieldOf(word, kFunctionField), e.*line.Function, e.Prompter);
        if (output) active.SetItemIndex(active.ItemIndex() == 0 ? 1 : 0);
        e.ApplyPulseRange(e.*line.Function);
        (e.*line.Pulse).SetPosition(SpinPosition(record.*words.Pulse));
    }
    e.RefreshDependentControls();
    e.RememberGatewayIndices();
}

}  // namespace records
