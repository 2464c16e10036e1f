#include "records/HandsetRecord.h"

#include "editor/KeyPressMaps.h"
#include "editor/SettingsTables.h"
#include "records/WordFields.h"

namespace records {
namespace {

using editor::E;
using editor::TButtonRow;
using HS = hs_xsettings_t;

struct TFlagBit {
    int Bit;
    ui::TCheckBox E::*Box;
};

// Bits of word 0, in the order they are applied; bit 5 is the Hirose pin list and
// bits 2-0 carry nothing.
constexpr TFlagBit kFlagBits[] = {
    {15, &E::TATalkPermitToneCheckBox},
    {14, &E::RadioTalkPermitToneCheckBox},
    {13, &E::EmergencyToneCheckBox},
    {12, &E::StealthModeAlwaysActiveCheckBox},
    {11, &E::MuteSpeakerOnPTTCheckBox},
    {10, &E::MuteSpeakerOnChargeCheckBox},
    {9, &E::LEDChargeIndicateCheckBox},
    {8, &E::AutoTurnOnWhenChargingCheckBox},
    {7, &E::FixedAlertToneVolumeCheckBox},
    {6, &E::TransmitAudibleEmergencyToneCheckBox},
    {4, &E::HandsfreeFunctionCheckBox},
    {3, &E::MinimumVolumeIs0CheckBox},
};
constexpr int kHirosePin2Bit = 5;  // the item index: 0 "Speaker -ve", 1 "Battery +ve"

struct TSpinWord {
    std::uint16_t HS::*Field;
    ui::TUpDown E::*UpDown;
};

// In the order they are applied.
constexpr TSpinWord kSpinWords[] = {
    {&HS::AutoTurnOffTimer, &E::AutoTurnOffTimerUpDown},
    {&HS::LowBatteryBeepVoltage, &E::LowBatteryBeepVoltageUpDown},
    {&HS::LowBatteryBeepIntervalTimer, &E::LowBatteryBeepIntervalTimerUpDown},
    {&HS::InternalMicGain, &E::InternalMicGainUpDown},
    {&HS::InternalMicHighGainBoost, &E::InternalMicHighGainBoostUpDown},
    {&HS::ExternalMicGain, &E::ExternalMicGainUpDown},
    {&HS::ExternalMicHighGainBoost, &E::ExternalMicHighGainBoostUpDown},
    {&HS::RemotePTTGainBoost, &E::RemotePTTGainBoostUpDown},
    {&HS::AudioIntegrity, &E::AudioIntegrityUpDown},
    {&HS::AlertToneVolume, &E::AlertToneVolumeUpDown},
    {&HS::AudioLinkActiveTime, &E::AudioLinkActiveTimeUpDown},
    {&HS::TransmitTime, &E::TransmitTimeUpDown},
    {&HS::ReceiveTime, &E::ReceiveTimeUpDown},
    {&HS::EmergencyRepeatCycles, &E::EmergencyRepeatCyclesUpDown},
    {&HS::LongPressDuration, &E::LongPressDurationUpDown},
};

// The key word of each button grid row, found by the row's press-and-hold list.
struct TKeyWord {
    ui::TComboBox E::*PressAndHold;
    std::uint16_t HS::*Field;
};

constexpr TKeyWord kKeyWords[] = {
    {&E::AccPTTPressAndHoldComboBox, &HS::AccPTTKeys}, {&E::PTTPressAndHoldComboBox, &HS::PTTKeys},
    {&E::Top1PressAndHoldComboBox, &HS::Top1Keys},     {&E::Top2PressAndHoldComboBox, &HS::Top2Keys},
    {&E::Left1PressAndHoldComboBox, &HS::Left1Keys},   {&E::Left2PressAndHoldComboBox, &HS::Left2Keys},
    {&E::Right1PressAndHoldComboBox, &HS::Right1Keys},
};

// The three actions of a button within its key word, in the order they are converted.
struct TKeyField {
    ui::TComboBox E::* TButtonRow::*List;
    TWordField Field;
};

constexpr TKeyField kKeyFields[] = {
    {&TButtonRow::PressAndHold, {11, 0x1F}},
    {&TButtonRow::ShortPress, {6, 0x1F}},
    {&TButtonRow::LongPress, {0, 0x3F}},
};

std::uint16_t HS::*KeyWordOf(const TButtonRow& row) {
    for (const TKeyWord& key : kKeyWords)
        if (key.PressAndHold == row.PressAndHold) return key.Field;
    return nullptr;
}

}  // namespace

hs_xsettings_t MapSettingsToHSRecord(const editor::TSettingsEditor& e) {
    hs_xsettings_t record{};
    for (const TFlagBit& flag : kFlagBits) record.Flags |= BitValue((e.*flag.Box).Checked(), flag.Bit);
    record.Flags |= BitValue((static_cast<unsigned>(e.HirosePin2FunctionComboBox.ItemIndex()) & 1u) != 0,
                             kHirosePin2Bit);
    for (const TSpinWord& spin : kSpinWords) record.*spin.Field = SpinWord((e.*spin.UpDown).Position());
    for (const TButtonRow& row : editor::ButtonRows()) {
        std::uint16_t word = 0;
        for (const TKeyField& key : kKeyFields) {
            const int code = editor::MapComboBoxToHSKeyPress(e.*(row.*key.List), e.Prompter);
            word |= Placed(static_cast<unsigned>(code), key.Field);
        }
        record.*KeyWordOf(row) = word;
    }
    return record;
}

void MapHSRecordToSettings(const hs_xsettings_t& record, editor::TSettingsEditor& e) {
    for (const TFlagBit& flag : kFlagBits) (e.*flag.Box).SetChecked(BitOf(record.Flags, flag.Bit));
    e.HirosePin2FunctionComboBox.SetItemIndex(BitOf(record.Flags, kHirosePin2Bit) ? 1 : 0);
    for (const TSpinWord& spin : kSpinWords) (e.*spin.UpDown).SetPosition(SpinPosition(record.*spin.Field));
    for (const TButtonRow& row : editor::ButtonRows()) {
        const std::uint16_t word = record.*KeyWordOf(row);
        for (const TKeyField& key : kKeyFields)
            editor::MapHSKeyPressToComboBox(FieldOf(word, key.Field), e.*(row.*key.List), e.Prompter);
    }
    e.RefreshDependentControls();
}

}  // namespace records
