#include "editor/SettingsTables.h"

#include <array>
#include <iterator>

namespace editor {

const std::vector<std::string> kHold4Items{"(Disabled)", "Radio PTT", "Talk Around PTT", "Emergency"};
const std::vector<std::string> kHold3Items{"(Disabled)", "Radio PTT", "Talk Around PTT"};
const std::vector<std::string> kHold2Items{"Radio PTT", "Talk Around PTT"};
const std::vector<std::string> kShort7Items{"(Disabled)", "Volume Up", "Volume Down", "Aux 1",
                                            "Aux 2",      "Emergency", "HF On/Off"};
const std::vector<std::string> kShort6Items{"(Disabled)", "Volume Up", "Volume Down", "Aux 1", "Aux 2", "Emergency"};
const std::vector<std::string> kLong8Items{"(Disabled)", "Volume Up", "Volume Down", "Aux 1",
                                           "Aux 2",      "On / Off",  "Emergency",   "HF On/Off"};
const std::vector<std::string> kIOItems{"Input", "Output"};
const std::vector<std::string> kActiveItems{"Low", "High"};
const std::vector<std::string> kHirosePin2Items{"Speaker -ve", "Battery +ve"};

const std::array<const char*, 3> kButtonColumns{"Press and Hold", "Short Press", "Long Press"};
const std::array<const char*, 4> kLineColumns{"I/O", "Active", "Function", "Pulse (ms)"};

const char* PageCaption(TPage page) {
    switch (page) {
    case TPage::UserExperience: return "User Experience";
    case TPage::AudioLevels: return "Audio Levels";
    case TPage::Emergency: return "Emergency";
    case TPage::Hardware: return "Hardware";
    case TPage::GWAudioLevels: return "Audio Levels";
    case TPage::GWHardware: return "Hardware";
    }
    return "";
}

bool IsGatewayPage(TPage page) { return page == TPage::GWAudioLevels || page == TPage::GWHardware; }

namespace {

// One row per setting, its fields in the order of its description, a line for each part.
// clang-format off

// Tick boxes; the flag bit is in word 0 of the unit's record.
constexpr TTickSetting kTicks[] = {
    {.Box = &E::RadioTalkPermitToneCheckBox, .Page = TPage::UserExperience, .Place = {.Left = 16, .Top = 12, .Width = 200},
     .Caption = "Radio PTT Key Beep", .Default = TTickDefault::Unticked, .DefaultStep = 2, .FileKey = 2, .FlagBit = 14},
    {.Box = &E::EmergencyToneCheckBox, .Page = TPage::UserExperience, .Place = {.Left = 16, .Top = 36, .Width = 200},
     .Caption = "Emergency Key Beep", .Default = TTickDefault::Ticked, .DefaultStep = 3, .FileKey = 3, .FlagBit = 13},
    {.Box = &E::TATalkPermitToneCheckBox, .Page = TPage::UserExperience, .Place = {.Left = 16, .Top = 60, .Width = 200},
     .Caption = "Talk Around PTT Key Beep", .Default = TTickDefault::Ticked, .DefaultStep = 1, .FileKey = 1, .FlagBit = 15},
    {.Box = &E::StealthModeAlwaysActiveCheckBox, .Page = TPage::UserExperience, .Place = {.Left = 16, .Top = 84, .Width = 200},
     .Caption = "Stealth Mode Always Active", .Default = TTickDefault::Unticked, .DefaultStep = 4, .FileKey = 4, .FlagBit = 12},
    {.Box = &E::MuteSpeakerOnPTTCheckBox, .Page = TPage::UserExperience, .Place = {.Left = 16, .Top = 108, .Width = 200},
     .Caption = "Mute Speaker On PTT", .Default = TTickDefault::Unticked, .DefaultStep = 5, .FileKey = 5, .FlagBit = 11},
    {.Box = &E::MuteSpeakerOnChargeCheckBox, .Page = TPage::UserExperience, .Place = {.Left = 16, .Top = 132, .Width = 200},
     .Caption = "Mute Speaker On Charge", .Default = TTickDefault::Ticked, .DefaultStep = 6, .FileKey = 6, .FlagBit = 10},
    {.Box = &E::LEDChargeIndicateCheckBox, .Page = TPage::UserExperience, .Place = {.Left = 16, .Top = 156, .Width = 200},
     .Caption = "LED Charge Indicate", .Default = TTickDefault::Ticked, .DefaultStep = 7, .FileKey = 7, .FlagBit = 9},
    {.Box = &E::AutoTurnOnWhenChargingCheckBox, .Page = TPage::UserExperience, .Place = {.Left = 16, .Top = 180, .Width = 200},
     .Caption = "Auto Turn On When Charging", .Default = TTickDefault::Ticked, .DefaultStep = 8, .FileKey = 8, .FlagBit = 8},
    {.Box = &E::HandsfreeFunctionCheckBox, .Page = TPage::UserExperience, .Place = {.Left = 16, .Top = 204, .Width = 200},
     .Caption = "Handsfree Function", .Default = TTickDefault::Unticked, .DefaultStep = 10, .FileKey = 49, .FlagBit = 4},
    {.Box = &E::MinimumVolumeIs0CheckBox, .Page = TPage::UserExperience, .Place = {.Left = 16, .Top = 228, .Width = 200},
     .Caption = "Minimum Volume Is Off", .Default = TTickDefault::Unticked, .DefaultStep = 9, .FileKey = 48, .FlagBit = 3},
    {.Box = &E::FixedAlertToneVolumeCheckBox, .Page = TPage::AudioLevels, .Place = {.Left = 300, .Top = 14, .Width = 200},
     .Caption = "Fixed Alert Tone Volume", .Default = TTickDefault::Unticked, .DefaultStep = 20, .FileKey = 9, .FlagBit = 7},
    {.Box = &E::TransmitAudibleEmergencyToneCheckBox, .Page = TPage::Emergency, .Place = {.Left = 16, .Top = 214, .Width = 250},
     .Caption = "Transmit Audible Emergency Tone", .Default = TTickDefault::Unticked, .DefaultStep = 26, .FileKey = 10, .FlagBit = 6},
    {.Box = &E::GWEmergencyAlertToneCheckBox, .Page = TPage::GWAudioLevels, .Place = {.Left = 330, .Top = 14, .Width = 200},
     .Caption = "Monitor Emergency Input Alert Tone", .Default = TTickDefault::Unticked, .DefaultStep = 4, .FileKey = 1005, .FlagBit = 15},
    {.Box = &E::GWFindMeFunctionCheckBox, .Page = TPage::GWAudioLevels, .Place = {.Left = 330, .Top = 40, .Width = 200},
     .Caption = "Find-Me Function", .Default = TTickDefault::Unticked, .DefaultStep = 6, .FileKey = 1001, .FlagBit = 11},
    {.Box = &E::GWMultiOperationalMicsCheckBox, .Page = TPage::GWAudioLevels, .Place = {.Left = 330, .Top = 66, .Width = 200},
     .Caption = "Multi Operational Mics", .Default = TTickDefault::TickedWhenArdex, .DefaultStep = 7, .FileKey = 1004, .FlagBit = 14},
    {.Box = &E::GWPublicAddressModeCheckBox, .Page = TPage::GWAudioLevels, .Place = {.Left = 330, .Top = 92, .Width = 200},
     .Caption = "Public Address Mode", .Default = TTickDefault::Unticked, .DefaultStep = 5, .FileKey = 1002, .FlagBit = 12},
    {.Box = &E::GWVOXEnabledCORCheckBox, .Page = TPage::GWAudioLevels, .Place = {.Left = 330, .Top = 118, .Width = 200},
     .Caption = "Radio Receive VOX COR", .Default = TTickDefault::Ticked, .DefaultStep = 8, .FileKey = 1003, .FlagBit = 13},
};

// Spins with their text box and caption label; the record keeps the position in a word.
constexpr TSpinSetting kSpins[] = {
    {.UpDown = &E::AutoTurnOffTimerUpDown, .Box = &E::AutoTurnOffTimerStaticText, .Label = &E::AutoTurnOffTimerLabel,
     .Page = TPage::UserExperience, .Place = {.Left = 226, .Top = 14, .Width = 228},
     .Caption = "Out of Range Auto Turn Off Timer (in hours)",
     .Min = 0, .Max = 24, .Step = 1, .AtCreation = 0, .Default = 8, .DefaultStep = 11, .FileKey = 12, .Word = 1},
    {.UpDown = &E::LowBatteryBeepVoltageUpDown, .Box = &E::LowBatteryBeepVoltageStaticText, .Label = &E::LowBatteryBeepVoltageLabel,
     .Page = TPage::UserExperience, .Place = {.Left = 226, .Top = 54, .Width = 228},
     .Caption = "Low Battery Beep Voltage (in volts)",
     .Min = 2500, .Max = 4000, .Step = 100, .AtCreation = 2500, .Default = 3500, .DefaultStep = 12, .BoxFollowsSpin = false, .FileKey = 13, .Word = 2},
    {.UpDown = &E::LowBatteryBeepIntervalTimerUpDown, .Box = &E::LowBatteryBeepIntervalTimerStaticText, .Label = &E::LowBatteryBeepIntervalTimerLabel,
     .Page = TPage::UserExperience, .Place = {.Left = 226, .Top = 94, .Width = 228},
     .Caption = "Low Battery Beep Interval Timer (in minutes)",
     .Min = 1, .Max = 10, .Step = 1, .AtCreation = 1, .Default = 5, .DefaultStep = 13, .FileKey = 14, .Word = 3},
    {.UpDown = &E::InternalMicGainUpDown, .Box = &E::InternalMicGainStaticText, .Label = &E::InternalMicGainLabel,
     .Page = TPage::AudioLevels, .Place = {.Left = 16, .Top = 14, .Width = 170},
     .Caption = "Internal Mic Gain",
     .Min = -24, .Max = 21, .Step = 3, .AtCreation = 0, .Default = 0, .DefaultStep = 14, .FileKey = 33, .Word = 4},
    {.UpDown = &E::InternalMicHighGainBoostUpDown, .Box = &E::InternalMicHighGainBoostStaticText, .Label = &E::InternalMicHighGainBoostLabel,
     .Page = TPage::AudioLevels, .Place = {.Left = 16, .Top = 46, .Width = 170},
     .Caption = "Internal Mic High Gain Boost",
     .Min = 0, .Max = 12, .Step = 3, .AtCreation = 0, .Default = 6, .DefaultStep = 15, .FileKey = 34, .Word = 5},
    {.UpDown = &E::ExternalMicGainUpDown, .Box = &E::ExternalMicGainStaticText, .Label = &E::ExternalMicGainLabel,
     .Page = TPage::AudioLevels, .Place = {.Left = 16, .Top = 78, .Width = 170},
     .Caption = "External Mic Gain",
     .Min = -24, .Max = 21, .Step = 3, .AtCreation = 0, .Default = 9, .DefaultStep = 16, .FileKey = 35, .Word = 6},
    {.UpDown = &E::ExternalMicHighGainBoostUpDown, .Box = &E::ExternalMicHighGainBoostStaticText, .Label = &E::ExternalMicHighGainBoostLabel,
     .Page = TPage::AudioLevels, .Place = {.Left = 16, .Top = 110, .Width = 170},
     .Caption = "External Mic High Gain Boost",
     .Min = 0, .Max = 12, .Step = 3, .AtCreation = 0, .Default = 6, .DefaultStep = 17, .FileKey = 36, .Word = 7},
    {.UpDown = &E::RemotePTTGainBoostUpDown, .Box = &E::RemotePTTGainBoostStaticText, .Label = &E::RemotePTTGainBoostLabel,
     .Page = TPage::AudioLevels, .Place = {.Left = 16, .Top = 142, .Width = 170},
     .Caption = "Remote PTT Gain Boost",
     .Min = 0, .Max = 12, .Step = 3, .AtCreation = 0, .Default = 9, .DefaultStep = 18, .FileKey = 37, .Word = 8},
    {.UpDown = &E::AudioIntegrityUpDown, .Box = &E::AudioIntegrityStaticText, .Label = &E::AudioIntegrityLabel,
     .Page = TPage::AudioLevels, .Place = {.Left = 16, .Top = 174, .Width = 170},
     .Caption = "Audio Integrity (per second)",
     .Min = 100, .Max = 255, .Step = 1, .AtCreation = 210, .Default = 200, .DefaultStep = 19, .FileKey = 38, .Word = 21},
    {.UpDown = &E::AlertToneVolumeUpDown, .Box = &E::AlertToneVolumeStaticText, .Label = &E::AlertToneVolumeLabel,
     .Page = TPage::AudioLevels, .Place = {.Left = 316, .Top = 46, .Width = 110},
     .Caption = "Alert Tone Volume",
     .Min = 0, .Max = 5, .Step = 1, .AtCreation = 0, .Default = 5, .DefaultStep = 21, .FileKey = 39, .Word = 9},
    {.UpDown = &E::AudioLinkActiveTimeUpDown, .Box = &E::AudioLinkActiveTimeStaticText, .Label = &E::AudioLinkActiveTimeLabel,
     .Page = TPage::Emergency, .Frame = &E::PressAndHoldEmergencyGroupBox, .Place = {.Left = 12, .Top = 24, .Width = 220},
     .Caption = "Audio Link Active Time (in second)",
     .Min = 0, .Max = 255, .Step = 1, .AtCreation = 0, .Default = 0, .DefaultStep = 22, .FileKey = 40, .Word = 10},
    {.UpDown = &E::TransmitTimeUpDown, .Box = &E::TransmitTimeStaticText, .Label = &E::TransmitTimeLabel,
     .Page = TPage::Emergency, .Frame = &E::ShortOrLongPressEmergencyGroupBox, .Place = {.Left = 12, .Top = 24, .Width = 220},
     .Caption = "Transmit Time (in second)",
     .Min = 0, .Max = 60, .Step = 1, .AtCreation = 0, .Default = 0, .DefaultStep = 23, .FileKey = 41, .Word = 11},
    {.UpDown = &E::ReceiveTimeUpDown, .Box = &E::ReceiveTimeStaticText, .Label = &E::ReceiveTimeLabel,
     .Page = TPage::Emergency, .Frame = &E::ShortOrLongPressEmergencyGroupBox, .Place = {.Left = 12, .Top = 56, .Width = 220},
     .Caption = "Receive Time (in second)",
     .Min = 0, .Max = 60, .Step = 1, .AtCreation = 0, .Default = 0, .DefaultStep = 24, .FileKey = 42, .Word = 12},
    {.UpDown = &E::EmergencyRepeatCyclesUpDown, .Box = &E::EmergencyRepeatCyclesStaticText, .Label = &E::EmergencyRepeatCyclesLabel,
     .Page = TPage::Emergency, .Frame = &E::ShortOrLongPressEmergencyGroupBox, .Place = {.Left = 12, .Top = 88, .Width = 220},
     .Caption = "Emergency Repeat Cycles",
     .Min = 1, .Max = 10, .Step = 1, .AtCreation = 1, .Default = 1, .DefaultStep = 25, .FileKey = 43, .Word = 13},
    {.UpDown = &E::LongPressDurationUpDown, .Box = &E::LongPressDurationStaticText, .Label = &E::LongPressDurationLabel,
     .Page = TPage::Hardware, .Frame = &E::ButtonAssignmentsGroupBox, .Place = {.Left = 230, .Top = 18, .Width = 110},
     .Caption = "Long Press Duration", .Unit = "ms",
     .Min = 1000, .Max = 5000, .Step = 100, .AtCreation = 1000, .Default = 1000, .DefaultStep = 28, .FileKey = 44, .Word = 14},
    {.UpDown = &E::GWReceiveInputGainUpDown, .Box = &E::GWReceiveInputGainStaticText, .Label = &E::GWReceiveInputGainLabel,
     .Page = TPage::GWAudioLevels, .Place = {.Left = 16, .Top = 14, .Width = 220},
     .Caption = "Receive Input Gain From Radio",
     .Min = -24, .Max = 21, .Step = 3, .AtCreation = 0, .Default = 3, .DefaultStep = 2, .FileKey = 1007, .Word = 2, .Form = TWordForm::LowByte},
    {.UpDown = &E::GWTransmitOutputGainUpDown, .Box = &E::GWTransmitOutputGainStaticText, .Label = &E::GWTransmitOutputGainLabel,
     .Page = TPage::GWAudioLevels, .Place = {.Left = 16, .Top = 46, .Width = 220},
     .Caption = "Transmit Output Gain To Radio",
     .Min = -24, .Max = 21, .Step = 3, .AtCreation = 0, .Default = 0, .DefaultStep = 3, .FileKey = 1009, .Word = 3},
    {.UpDown = &E::GWTalkAroundOutputGainUpDown, .Box = &E::GWTalkAroundOutputGainStaticText, .Label = &E::GWTalkAroundOutputGainLabel,
     .Page = TPage::GWAudioLevels, .Place = {.Left = 16, .Top = 78, .Width = 220},
     .Caption = "Talk Around Output Gain To Other ZENTAs",
     .Min = -24, .Max = 21, .Step = 3, .AtCreation = 0, .Default = 9, .DefaultStep = 1, .FileKey = 1006, .Word = 1},
    {.UpDown = &E::GWVOXTriggerLevelUpDown, .Box = &E::GWVOXTriggerLevelStaticText, .Label = &E::GWVOXTriggerLevelLabel,
     .Page = TPage::GWAudioLevels, .Place = {.Left = 16, .Top = 126, .Width = 220},
     .Caption = "VOX Trigger Level ",
     .Min = 0, .Max = 100, .Step = 1, .AtCreation = 0, .Default = 70, .DefaultStep = 9, .FileKey = 1010, .Word = 4},
};

constexpr TListSetting kLists[] = {
    {.List = &E::HirosePin2FunctionComboBox, .Label = &E::HirosePin2FunctionLabel, .Page = TPage::Hardware,
     .Place = {.Left = 16, .Top = 8, .Width = 120},
     .Caption = "Hirose Pin 2 Function", .Items = &kHirosePin2Items, .Default = "Speaker -ve", .DefaultStep = 27, .FileKey = 11, .FlagBit = 5},
};

// Rows top to bottom; every long press offers the same eight items.
constexpr TButtonRow kRows[] = {
    {.Caption = "Acc PTT", .PressAndHold = &E::AccPTTPressAndHoldComboBox, .ShortPress = &E::AccPTTShortPressComboBox,
     .LongPress = &E::AccPTTLongPressComboBox, .HoldItems = &kHold2Items, .ShortItems = &kShort6Items,
     .DefaultHold = "Radio PTT", .DefaultShort = "Disabled", .DefaultLong = "Disabled", .FileKey = 45, .Word = 22},
    {.Caption = "PTT", .PressAndHold = &E::PTTPressAndHoldComboBox, .ShortPress = &E::PTTShortPressComboBox,
     .LongPress = &E::PTTLongPressComboBox, .HoldItems = &kHold3Items, .ShortItems = &kShort6Items,
     .DefaultHold = "Radio PTT", .DefaultShort = "Disabled", .DefaultLong = "Disabled", .FileKey = 15, .Word = 15},
    {.Caption = "Top 1", .PressAndHold = &E::Top1PressAndHoldComboBox, .ShortPress = &E::Top1ShortPressComboBox,
     .LongPress = &E::Top1LongPressComboBox, .HoldItems = &kHold4Items, .ShortItems = &kShort7Items,
     .DefaultHold = "Emergency", .DefaultShort = "Disabled", .DefaultLong = "Disabled", .FileKey = 18, .Word = 16},
    {.Caption = "Top 2", .PressAndHold = &E::Top2PressAndHoldComboBox, .ShortPress = &E::Top2ShortPressComboBox,
     .LongPress = &E::Top2LongPressComboBox, .HoldItems = &kHold4Items, .ShortItems = &kShort7Items,
     .DefaultHold = "Talk Around PTT", .DefaultShort = "Disabled", .DefaultLong = "Disabled", .FileKey = 21, .Word = 17},
    {.Caption = "Left 1", .PressAndHold = &E::Left1PressAndHoldComboBox, .ShortPress = &E::Left1ShortPressComboBox,
     .LongPress = &E::Left1LongPressComboBox, .HoldItems = &kHold4Items, .ShortItems = &kShort7Items,
     .DefaultHold = "Disabled", .DefaultShort = "Volume Up", .DefaultLong = "Disabled", .FileKey = 24, .Word = 18},
    {.Caption = "Left 2", .PressAndHold = &E::Left2PressAndHoldComboBox, .ShortPress = &E::Left2ShortPressComboBox,
     .LongPress = &E::Left2LongPressComboBox, .HoldItems = &kHold4Items, .ShortItems = &kShort7Items,
     .DefaultHold = "Disabled", .DefaultShort = "Volume Down", .DefaultLong = "Disabled", .FileKey = 27, .Word = 19},
    {.Caption = "Right 1", .PressAndHold = &E::Right1PressAndHoldComboBox, .ShortPress = &E::Right1ShortPressComboBox,
     .LongPress = &E::Right1LongPressComboBox, .HoldItems = &kHold4Items, .ShortItems = &kShort6Items,
     .DefaultHold = "Disabled", .DefaultShort = "Disabled", .DefaultLong = "On / Off", .FileKey = 30, .Word = 20},
};

// Lines in grid order, each at creation Output and Low unless it says otherwise.
constexpr TGatewayLine kLines[] = {
    {.Index = 0, .Caption = "Radio PTT", .IO = &E::GWRadioPTTIOComboBox, .Active = &E::GWRadioPTTActiveComboBox,
     .Function = &E::GWRadioPTTFunctionComboBox, .Pulse = &E::GWRadioPTTPulseUpDown, .PulseBox = &E::GWRadioPTTPulseStaticText,
     .OffersHandsfree = false, .Fixed = true, .DirectionLocked = true,
     .Default = kRadioPTTLine},
    {.Index = 1, .Caption = "Radio Emergency", .IO = &E::GWRadioEmergencyIOComboBox, .Active = &E::GWRadioEmergencyActiveComboBox,
     .Function = &E::GWRadioEmergencyFunctionComboBox, .Pulse = &E::GWRadioEmergencyPulseUpDown, .PulseBox = &E::GWRadioEmergencyPulseStaticText,
     .OffersHandsfree = false,
     .Default = {.IO = "Output", .Active = "Low", .Function = "Emergency"}},
    {.Index = 2, .Caption = "Radio COR", .IO = &E::GWRadioCORIOComboBox, .Active = &E::GWRadioCORActiveComboBox,
     .Function = &E::GWRadioCORFunctionComboBox, .Pulse = &E::GWRadioCORPulseUpDown, .PulseBox = &E::GWRadioCORPulseStaticText,
     .OffersHandsfree = false, .IOAtCreation = 0,
     .Default = {.IO = "Input", .Active = "Low", .Function = "Radio COR"}},
    {.Index = 3, .Caption = "Function 1", .IO = &E::GWRadioFunction1IOComboBox, .Active = &E::GWRadioFunction1ActiveComboBox,
     .Function = &E::GWRadioFunction1FunctionComboBox, .Pulse = &E::GWRadioFunction1PulseUpDown, .PulseBox = &E::GWRadioFunction1PulseStaticText,
     .Default = {.IO = "Input", .Active = "Low", .Function = "Remote PTT"}},
    {.Index = 4, .Caption = "Function 2", .IO = &E::GWRadioFunction2IOComboBox, .Active = &E::GWRadioFunction2ActiveComboBox,
     .Function = &E::GWRadioFunction2FunctionComboBox, .Pulse = &E::GWRadioFunction2PulseUpDown, .PulseBox = &E::GWRadioFunction2PulseStaticText,
     .Default = {.IO = "Input", .Active = "Low", .Function = "Find Me"}},
    {.Index = 5, .Caption = "Function 3", .IO = &E::GWRadioFunction3IOComboBox, .Active = &E::GWRadioFunction3ActiveComboBox,
     .Function = &E::GWRadioFunction3FunctionComboBox, .Pulse = &E::GWRadioFunction3PulseUpDown, .PulseBox = &E::GWRadioFunction3PulseStaticText,
     .DirectionLocked = true,
     .Default = {.IO = "Output", .Active = "Low", .Function = "Aux 1"}},
    {.Index = 6, .Caption = "Function 4", .IO = &E::GWRadioFunction4IOComboBox, .Active = &E::GWRadioFunction4ActiveComboBox,
     .Function = &E::GWRadioFunction4FunctionComboBox, .Pulse = &E::GWRadioFunction4PulseUpDown, .PulseBox = &E::GWRadioFunction4PulseStaticText,
     .DirectionLocked = true,
     .Default = {.IO = "Output", .Active = "Low", .Function = "Aux 2"}},
    {.Index = 7, .Caption = "Function 5", .IO = &E::GWRadioFunction5IOComboBox, .Active = &E::GWRadioFunction5ActiveComboBox,
     .Function = &E::GWRadioFunction5FunctionComboBox, .Pulse = &E::GWRadioFunction5PulseUpDown, .PulseBox = &E::GWRadioFunction5PulseStaticText,
     .DirectionLocked = true, .ActiveAtCreation = 1,
     .Default = {.IO = "Output", .Active = "High", .Function = "Handsfree active"}},
    {.Index = 8, .Caption = "Function 6", .IO = &E::GWRadioFunction6IOComboBox, .Active = &E::GWRadioFunction6ActiveComboBox,
     .Function = &E::GWRadioFunction6FunctionComboBox, .Pulse = &E::GWRadioFunction6PulseUpDown, .PulseBox = &E::GWRadioFunction6PulseStaticText,
     .DirectionLocked = true, .ActiveAtCreation = 1,
     .Default = {.IO = "Output", .Active = "High", .Function = "Handset in Cradle"}},
};
// clang-format on

constexpr TEditionTick kEditionTicks[] = {
    {.Box = &E::GWEmergencyAlertToneCheckBox, .KestoLacks = true, .KestoGatewayLacks = false},
    {.Box = &E::GWFindMeFunctionCheckBox, .KestoLacks = false, .KestoGatewayLacks = false},
    {.Box = &E::GWMultiOperationalMicsCheckBox, .KestoLacks = true, .KestoGatewayLacks = true},
    {.Box = &E::GWPublicAddressModeCheckBox, .KestoLacks = true, .KestoGatewayLacks = true},
    {.Box = &E::TransmitAudibleEmergencyToneCheckBox, .KestoLacks = false, .KestoGatewayLacks = false},
};

constexpr TEditionTiming kEditionTimings[] = {
    {.Box = &E::TransmitTimeStaticText, .Label = &E::TransmitTimeLabel, .KestoText = "0"},
    {.Box = &E::ReceiveTimeStaticText, .Label = &E::ReceiveTimeLabel, .KestoText = "0"},
    {.Box = &E::EmergencyRepeatCyclesStaticText, .Label = &E::EmergencyRepeatCyclesLabel, .KestoText = "1"},
};

// Checks of the rows that the compiler makes, so that a lost, doubled or misnumbered row
// stops the build rather than a setting going missing from records or files.
static_assert(std::size(kTicks) == 17 && std::size(kSpins) == 19 && std::size(kLists) == 1 && std::size(kRows) == 7 &&
                  std::size(kLines) == kGatewayLines,
              "every setting of the document has its row");

constexpr bool LinesInGridOrder() {
    for (std::size_t i = 0; i < std::size(kLines); ++i)
        if (kLines[i].Index != i || kLines[i].Fixed != (i == 0)) return false;
    return true;
}
static_assert(LinesInGridOrder(), "a line's index is its place in the grid; the first line is the fixed one");

// Every file key that a row gives or derives, besides the edition's 9000 and 1008.
constexpr auto RowFileKeys() {
    std::array<int,
               std::size(kTicks) + std::size(kSpins) + std::size(kLists) + 3 * std::size(kRows) + 5 * std::size(kLines)>
        keys{};
    std::size_t n = 0;
    for (const auto& tick : kTicks) keys[n++] = tick.FileKey;
    for (const auto& spin : kSpins) keys[n++] = spin.FileKey;
    for (const auto& list : kLists) keys[n++] = list.FileKey;
    for (const auto& row : kRows)
        for (int k = 0; k < 3; ++k) keys[n++] = row.FileKey + k;
    for (const auto& line : kLines)
        for (int k = 0; k < 5; ++k) keys[n++] = FirstFileKey(line) + k;
    return keys;
}

constexpr bool Distinct(const auto& values) {
    for (std::size_t i = 0; i < std::size(values); ++i)
        for (std::size_t j = i + 1; j < std::size(values); ++j)
            if (values[i] == values[j]) return false;
    return true;
}
static_assert(Distinct(RowFileKeys()), "no two settings share a file key");

}  // namespace

std::span<const TTickSetting> TickSettings() { return kTicks; }
std::span<const TSpinSetting> SpinSettings() { return kSpins; }
std::span<const TListSetting> ListSettings() { return kLists; }
std::span<const TButtonRow> ButtonRows() { return kRows; }
std::span<const TGatewayLine> GatewayLines() { return kLines; }
std::span<const TEditionTick> EditionTicks() { return kEditionTicks; }
std::span<const TEditionTiming> EditionTimings() { return kEditionTimings; }

}  // namespace editor
