#include "editor/SettingsTables.h"

namespace editor {

const std::vector<std::string> kHold4Items{"(Disabled)", "Radio PTT", "Talk Around PTT", "Emergency"};
const std::vector<std::string> kHold3Items{"(Disabled)", "Radio PTT", "Talk Around PTT"};
const std::vector<std::string> kHold2Items{"Radio PTT", "Talk Around PTT"};
const std::vector<std::string> kShort7Items{"(Disabled)", "Volume Up", "Volume Down", "Aux 1",
                                            "Aux 2",      "Emergency", "HF On/Off"};
const std::vector<std::string> kShort6Items{"(Disabled)", "Volume Up", "Volume Down",
                                            "Aux 1",      "Aux 2",     "Emergency"};
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

constexpr TTickSetting kTicks[] = {
    {&E::RadioTalkPermitToneCheckBox, TPage::UserExperience, "Radio PTT Key Beep", TTickDefault::Unticked},
    {&E::EmergencyToneCheckBox, TPage::UserExperience, "Emergency Key Beep", TTickDefault::Ticked},
    {&E::TATalkPermitToneCheckBox, TPage::UserExperience, "Talk Around PTT Key Beep", TTickDefault::Ticked},
    {&E::StealthModeAlwaysActiveCheckBox, TPage::UserExperience, "Stealth Mode Always Active", TTickDefault::Unticked},
    {&E::MuteSpeakerOnPTTCheckBox, TPage::UserExperience, "Mute Speaker On PTT", TTickDefault::Unticked},
    {&E::MuteSpeakerOnChargeCheckBox, TPage::UserExperience, "Mute Speaker On Charge", TTickDefault::Ticked},
    {&E::LEDChargeIndicateCheckBox, TPage::UserExperience, "LED Charge Indicate", TTickDefault::Ticked},
    {&E::AutoTurnOnWhenChargingCheckBox, TPage::UserExperience, "Auto Turn On When Charging", TTickDefault::Ticked},
    {&E::HandsfreeFunctionCheckBox, TPage::UserExperience, "Handsfree Function", TTickDefault::Unticked},
    {&E::MinimumVolumeIs0CheckBox, TPage::UserExperience, "Minimum Volume Is Off", TTickDefault::Unticked},
    {&E::FixedAlertToneVolumeCheckBox, TPage::AudioLevels, "Fixed Alert Tone Volume", TTickDefault::Unticked},
    {&E::TransmitAudibleEmergencyToneCheckBox, TPage::Emergency, "Transmit Audible Emergency Tone", TTickDefault::Unticked},
    {&E::GWEmergencyAlertToneCheckBox, TPage::GWAudioLevels, "Monitor Emergency Input Alert Tone", TTickDefault::Unticked},
    {&E::GWFindMeFunctionCheckBox, TPage::GWAudioLevels, "Find-Me Function", TTickDefault::Unticked},
    {&E::GWMultiOperationalMicsCheckBox, TPage::GWAudioLevels, "Multi Operational Mics", TTickDefault::TickedWhenArdex},
    {&E::GWPublicAddressModeCheckBox, TPage::GWAudioLevels, "Public Address Mode", TTickDefault::Unticked},
    {&E::GWVOXEnabledCORCheckBox, TPage::GWAudioLevels, "Radio Receive VOX COR", TTickDefault::Ticked},
};

// Each spin: page, caption, group, unit, Min, Max, step, value at creation, default.
constexpr TSpinSetting kSpins[] = {
    {&E::AutoTurnOffTimerUpDown, &E::AutoTurnOffTimerStaticText, &E::AutoTurnOffTimerLabel, TPage::UserExperience, "Out of Range Auto Turn Off Timer (in hours)", nullptr, nullptr, 0, 24, 1, 0, 8, true},
    {&E::LowBatteryBeepVoltageUpDown, &E::LowBatteryBeepVoltageStaticText, &E::LowBatteryBeepVoltageLabel, TPage::UserExperience, "Low Battery Beep Voltage (in volts)", nullptr, nullptr, 2500, 4000, 100, 2500, 3500, false},
    {&E::LowBatteryBeepIntervalTimerUpDown, &E::LowBatteryBeepIntervalTimerStaticText, &E::LowBatteryBeepIntervalTimerLabel, TPage::UserExperience, "Low Battery Beep Interval Timer (in minutes)", nullptr, nullptr, 1, 10, 1, 1, 5, true},
    {&E::InternalMicGainUpDown, &E::InternalMicGainStaticText, &E::InternalMicGainLabel, TPage::AudioLevels, "Internal Mic Gain", nullptr, nullptr, -24, 21, 3, 0, 0, true},
    {&E::InternalMicHighGainBoostUpDown, &E::InternalMicHighGainBoostStaticText, &E::InternalMicHighGainBoostLabel, TPage::AudioLevels, "Internal Mic High Gain Boost", nullptr, nullptr, 0, 12, 3, 0, 6, true},
    {&E::ExternalMicGainUpDown, &E::ExternalMicGainStaticText, &E::ExternalMicGainLabel, TPage::AudioLevels, "External Mic Gain", nullptr, nullptr, -24, 21, 3, 0, 9, true},
    {&E::ExternalMicHighGainBoostUpDown, &E::ExternalMicHighGainBoostStaticText, &E::ExternalMicHighGainBoostLabel, TPage::AudioLevels, "External Mic High Gain Boost", nullptr, nullptr, 0, 12, 3, 0, 6, true},
    {&E::RemotePTTGainBoostUpDown, &E::RemotePTTGainBoostStaticText, &E::RemotePTTGainBoostLabel, TPage::AudioLevels, "Remote PTT Gain Boost", nullptr, nullptr, 0, 12, 3, 0, 9, true},
    {&E::AudioIntegrityUpDown, &E::AudioIntegrityStaticText, &E::AudioIntegrityLabel, TPage::AudioLevels, "Audio Integrity (per second)", nullptr, nullptr, 100, 255, 1, 210, 200, true},
    {&E::AlertToneVolumeUpDown, &E::AlertToneVolumeStaticText, &E::AlertToneVolumeLabel, TPage::AudioLevels, "Alert Tone Volume", nullptr, nullptr, 0, 5, 1, 0, 5, true},
    {&E::AudioLinkActiveTimeUpDown, &E::AudioLinkActiveTimeStaticText, &E::AudioLinkActiveTimeLabel, TPage::Emergency, "Audio Link Active Time (in second)", " Press and Hold Emergency Function ", nullptr, 0, 255, 1, 0, 0, true},
    {&E::TransmitTimeUpDown, &E::TransmitTimeStaticText, &E::TransmitTimeLabel, TPage::Emergency, "Transmit Time (in second)", " Short or Long Press Emergency Function ", nullptr, 0, 60, 1, 0, 0, true},
    {&E::ReceiveTimeUpDown, &E::ReceiveTimeStaticText, &E::ReceiveTimeLabel, TPage::Emergency, "Receive Time (in second)", " Short or Long Press Emergency Function ", nullptr, 0, 60, 1, 0, 0, true},
    {&E::EmergencyRepeatCyclesUpDown, &E::EmergencyRepeatCyclesStaticText, &E::EmergencyRepeatCyclesLabel, TPage::Emergency, "Emergency Repeat Cycles", " Short or Long Press Emergency Function ", nullptr, 1, 10, 1, 1, 1, true},
    {&E::LongPressDurationUpDown, &E::LongPressDurationStaticText, &E::LongPressDurationLabel, TPage::Hardware, "Long Press Duration", " Button Assignments ", "ms", 1000, 5000, 100, 1000, 1000, true},
    {&E::GWReceiveInputGainUpDown, &E::GWReceiveInputGainStaticText, &E::GWReceiveInputGainLabel, TPage::GWAudioLevels, "Receive Input Gain From Radio", nullptr, nullptr, -24, 21, 3, 0, 3, true},
    {&E::GWTransmitOutputGainUpDown, &E::GWTransmitOutputGainStaticText, &E::GWTransmitOutputGainLabel, TPage::GWAudioLevels, "Transmit Output Gain To Radio", nullptr, nullptr, -24, 21, 3, 0, 0, true},
    {&E::GWTalkAroundOutputGainUpDown, &E::GWTalkAroundOutputGainStaticText, &E::GWTalkAroundOutputGainLabel, TPage::GWAudioLevels, "Talk Around Output Gain To Other ZENTAs", nullptr, nullptr, -24, 21, 3, 0, 9, true},
    {&E::GWVOXTriggerLevelUpDown, &E::GWVOXTriggerLevelStaticText, &E::GWVOXTriggerLevelLabel, TPage::GWAudioLevels, "VOX Trigger Level ", nullptr, nullptr, 0, 100, 1, 0, 70, true},
};

const TListSetting kLists[] = {
    {&E::HirosePin2FunctionComboBox, &E::HirosePin2FunctionLabel, TPage::Hardware, "Hirose Pin 2 Function",
     &kHirosePin2Items, "Speaker -ve"},
};

// Rows top to bottom: caption, lists, item lists, and the default texts.
const TButtonRow kRows[] = {
    {"Acc PTT", &E::AccPTTPressAndHoldComboBox, &E::AccPTTShortPressComboBox, &E::AccPTTLongPressComboBox, &kHold2Items, &kShort6Items, "Radio PTT", "Disabled", "Disabled"},
    {"PTT", &E::PTTPressAndHoldComboBox, &E::PTTShortPressComboBox, &E::PTTLongPressComboBox, &kHold3Items, &kShort6Items, "Radio PTT", "Disabled", "Disabled"},
    {"Top 1", &E::Top1PressAndHoldComboBox, &E::Top1ShortPressComboBox, &E::Top1LongPressComboBox, &kHold4Items, &kShort7Items, "Emergency", "Disabled", "Disabled"},
    {"Top 2", &E::Top2PressAndHoldComboBox, &E::Top2ShortPressComboBox, &E::Top2LongPressComboBox, &kHold4Items, &kShort7Items, "Talk Around PTT", "Disabled", "Disabled"},
    {"Left 1", &E::Left1PressAndHoldComboBox, &E::Left1ShortPressComboBox, &E::Left1LongPressComboBox, &kHold4Items, &kShort7Items, "Disabled", "Volume Up", "Disabled"},
    {"Left 2", &E::Left2PressAndHoldComboBox, &E::Left2ShortPressComboBox, &E::Left2LongPressComboBox, &kHold4Items, &kShort7Items, "Disabled", "Volume Down", "Disabled"},
    {"Right 1", &E::Right1PressAndHoldComboBox, &E::Right1ShortPressComboBox, &E::Right1LongPressComboBox, &kHold4Items, &kShort6Items, "Disabled", "Disabled", "On / Off"},
};

// Lines in grid order: index, caption, lists, spin, handsfree offered, fixed line,
// locked direction, I/O and Active at creation, and the default texts.
const TGatewayLine kLines[] = {
    {0, "Radio PTT", &E::GWRadioPTTIOComboBox, &E::GWRadioPTTActiveComboBox, &E::GWRadioPTTFunctionComboBox, &E::GWRadioPTTPulseUpDown, &E::GWRadioPTTPulseStaticText, false, true, true, 1, 0, "Output", "Low", "Radio PTT"},
    {1, "Radio Emergency", &E::GWRadioEmergencyIOComboBox, &E::GWRadioEmergencyActiveComboBox, &E::GWRadioEmergencyFunctionComboBox, &E::GWRadioEmergencyPulseUpDown, &E::GWRadioEmergencyPulseStaticText, false, false, false, 1, 0, "Output", "Low", "Emergency"},
    {2, "Radio COR", &E::GWRadioCORIOComboBox, &E::GWRadioCORActiveComboBox, &E::GWRadioCORFunctionComboBox, &E::GWRadioCORPulseUpDown, &E::GWRadioCORPulseStaticText, false, false, false, 0, 0, "Input", "Low", "Radio COR"},
    {3, "Function 1", &E::GWRadioFunction1IOComboBox, &E::GWRadioFunction1ActiveComboBox, &E::GWRadioFunction1FunctionComboBox, &E::GWRadioFunction1PulseUpDown, &E::GWRadioFunction1PulseStaticText, true, false, false, 1, 0, "Input", "Low", "Remote PTT"},
    {4, "Function 2", &E::GWRadioFunction2IOComboBox, &E::GWRadioFunction2ActiveComboBox, &E::GWRadioFunction2FunctionComboBox, &E::GWRadioFunction2PulseUpDown, &E::GWRadioFunction2PulseStaticText, true, false, false, 1, 0, "Input", "Low", "Find Me"},
    {5, "Function 3", &E::GWRadioFunction3IOComboBox, &E::GWRadioFunction3ActiveComboBox, &E::GWRadioFunction3FunctionComboBox, &E::GWRadioFunction3PulseUpDown, &E::GWRadioFunction3PulseStaticText, true, false, true, 1, 0, "Output", "Low", "Aux 1"},
    {6, "Function 4", &E::GWRadioFunction4IOComboBox, &E::GWRadioFunction4ActiveComboBox, &E::GWRadioFunction4FunctionComboBox, &E::GWRadioFunction4PulseUpDown, &E::GWRadioFunction4PulseStaticText, true, false, true, 1, 0, "Output", "Low", "Aux 2"},
    {7, "Function 5", &E::GWRadioFunction5IOComboBox, &E::GWRadioFunction5ActiveComboBox, &E::GWRadioFunction5FunctionComboBox, &E::GWRadioFunction5PulseUpDown, &E::GWRadioFunction5PulseStaticText, true, false, true, 1, 1, "Output", "High", "Handsfree active"},
    {8, "Function 6", &E::GWRadioFunction6IOComboBox, &E::GWRadioFunction6ActiveComboBox, &E::GWRadioFunction6FunctionComboBox, &E::GWRadioFunction6PulseUpDown, &E::GWRadioFunction6PulseStaticText, true, false, true, 1, 1, "Output", "High", "Handset in Cradle"},
};

}  // namespace

std::span<const TTickSetting> TickSettings() { return kTicks; }
std::span<const TSpinSetting> SpinSettings() { return kSpins; }
std::span<const TListSetting> ListSettings() { return kLists; }
std::span<const TButtonRow> ButtonRows() { return kRows; }
std::span<const TGatewayLine> GatewayLines() { return kLines; }

}  // namespace editor
