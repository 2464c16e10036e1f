#pragma once
// The settings document: every user setting of the handset and the gateway, held as the
// state of its own control and named after it, together with the edition, the settings
// pages, the remembered indices of the gateway lists and the editor rules that keep them
// consistent. The main window derives from it.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Pages.h"
#include "ui/Prompt.h"
#include "ui/Text.h"
#include "ui/UpDown.h"

namespace editor {

struct TButtonRow;
struct TGatewayLine;

// The gateway's I/O lines to the radio, "Radio PTT" to "Function 6".
inline constexpr std::size_t kGatewayLines = 9;

class TSettingsEditor {
public:
    explicit TSettingsEditor(ui::TPrompter& prompter);
    virtual ~TSettingsEditor() = default;
    TSettingsEditor(const TSettingsEditor&) = delete;
    TSettingsEditor& operator=(const TSettingsEditor&) = delete;

    // The prompts that the rules raise (key-press map errors, the Find-Me warning).
    ui::TPrompter& Prompter;

    // The state start-up leaves the settings in: the Ardex edition, both units' defaults
    // (the volts on show with them) and the remembered indices, the first page of each
    // tab set.
    void StartUp();

    // Defaults (the DEFAULTS button applies the one of the unit kind on show).
    void ApplyHandsetDefaults();
    void ApplyGatewayDefaults();

    // Dependent controls and edition.
    void RefreshDependentControls();
    // The voltage spin's display rule: its box shows volts, never the spin's own number.
    void ShowLowBatteryVoltage();
    void ApplyArdexEdition();
    void ApplyKestoEdition();
    bool ArdexSelected() const { return butModelArdex.Checked(); }

    // Gateway I/O line rules.
    void RebuildFunctionList(const TGatewayLine& line);
    // Puts the "Radio PTT" line back to its fixed values, in the order the line rules need.
    void FixRadioPTTLine();
    void ApplyPulseRange(const ui::TComboBox& functionList);
    // The remembered index of every changeable gateway list, from its current selection.
    void RememberGatewayIndices();
    int RememberedIOIndex(const TGatewayLine& line) const;
    int RememberedFunctionIndex(const TGatewayLine& line) const;

    // Event handlers.
    void FixedAlertToneVolumeCheckBoxClick() { RefreshDependentControls(); }
    void GWVOXEnabledCORCheckBoxClick() { RefreshDependentControls(); }
    void GWFindMeFunctionCheckBoxClick();
    void butModelArdexClick() { ApplyArdexEdition(); }
    void butModelKestoClick() { ApplyKestoEdition(); }
    // Every press-and-hold list's Change handler: no filtering, each change refreshes.
    void PressAndHoldComboBoxChange() { RefreshDependentControls(); }
    // The Change handlers of the four reversible I/O lists and the eight Function lists.
    void IOComboBoxChange(const TGatewayLine& line);
    void FunctionComboBoxChange(const TGatewayLine& line);

    // Every control of the settings pages, for lookup by name and for renderers.
    const std::vector<ui::TControl*>& Controls() const { return controls_; }
    // Headings of the grids and units after boxes: drawn, never changed.
    void AddCaption(ui::TControl* parent, ui::TBounds bounds, const std::string& text);
    const std::vector<std::unique_ptr<ui::TLabel>>& Captions() const { return captions_; }

    // The settings pages.
    ui::TPageControl MasterPageControl{"MasterPageControl"};
    ui::TTabSheet HandsetTabSheet{"HandsetTabSheet"};
    ui::TTabSheet CradleTabSheet{"CradleTabSheet"};
    ui::TPageControl HandsetPageControl{"HandsetPageControl"};
    ui::TTabSheet UserExperienceTabSheet{"UserExperienceTabSheet"};
    ui::TTabSheet AudioLevelsTabSheet{"AudioLevelsTabSheet"};
    ui::TTabSheet EmergencyTabSheet{"EmergencyTabSheet"};
    ui::TTabSheet HardwareTabSheet{"HardwareTabSheet"};
    ui::TPageControl CradlePageControl{"CradlePageControl"};
    ui::TTabSheet GWAudioLevelsTabSheet{"GWAudioLevelsTabSheet"};
    ui::TTabSheet GWHardwareTabSheet{"GWHardwareTabSheet"};

    // The edition, group "Model".
    ui::TGroupBox grpModelBox{"grpModelBox"};
    ui::TRadioButton butModelArdex{"butModelArdex"};
    ui::TRadioButton butModelKesto{"butModelKesto"};

    // Handset, "User Experience"
    ui::TCheckBox RadioTalkPermitToneCheckBox{"RadioTalkPermitToneCheckBox"};
    ui::TCheckBox EmergencyToneCheckBox{"EmergencyToneCheckBox"};
    ui::TCheckBox TATalkPermitToneCheckBox{"TATalkPermitToneCheckBox"};
    ui::TCheckBox StealthModeAlwaysActiveCheckBox{"StealthModeAlwaysActiveCheckBox"};
    ui::TCheckBox MuteSpeakerOnPTTCheckBox{"MuteSpeakerOnPTTCheckBox"};
    ui::TCheckBox MuteSpeakerOnChargeCheckBox{"MuteSpeakerOnChargeCheckBox"};
    ui::TCheckBox LEDChargeIndicateCheckBox{"LEDChargeIndicateCheckBox"};
    ui::TCheckBox AutoTurnOnWhenChargingCheckBox{"AutoTurnOnWhenChargingCheckBox"};
    ui::TCheckBox HandsfreeFunctionCheckBox{"HandsfreeFunctionCheckBox"};
    ui::TCheckBox MinimumVolumeIs0CheckBox{"MinimumVolumeIs0CheckBox"};
    ui::TUpDown AutoTurnOffTimerUpDown{"AutoTurnOffTimerUpDown"};
    ui::TStaticText AutoTurnOffTimerStaticText{"AutoTurnOffTimerStaticText"};
    ui::TLabel AutoTurnOffTimerLabel{"AutoTurnOffTimerLabel"};
    ui::TUpDown LowBatteryBeepVoltageUpDown{"LowBatteryBeepVoltageUpDown"};
    ui::TStaticText LowBatteryBeepVoltageStaticText{"LowBatteryBeepVoltageStaticText"};
    ui::TLabel LowBatteryBeepVoltageLabel{"LowBatteryBeepVoltageLabel"};
    ui::TUpDown LowBatteryBeepIntervalTimerUpDown{"LowBatteryBeepIntervalTimerUpDown"};
    ui::TStaticText LowBatteryBeepIntervalTimerStaticText{"LowBatteryBeepIntervalTimerStaticText"};
    ui::TLabel LowBatteryBeepIntervalTimerLabel{"LowBatteryBeepIntervalTimerLabel"};

    // Handset, "Audio Levels"
    ui::TUpDown InternalMicGainUpDown{"InternalMicGainUpDown"};
    ui::TStaticText InternalMicGainStaticText{"InternalMicGainStaticText"};
    ui::TLabel InternalMicGainLabel{"InternalMicGainLabel"};
    ui::TUpDown InternalMicHighGainBoostUpDown{"InternalMicHighGainBoostUpDown"};
    ui::TStaticText InternalMicHighGainBoostStaticText{"InternalMicHighGainBoostStaticText"};
    ui::TLabel InternalMicHighGainBoostLabel{"InternalMicHighGainBoostLabel"};
    ui::TUpDown ExternalMicGainUpDown{"ExternalMicGainUpDown"};
    ui::TStaticText ExternalMicGainStaticText{"ExternalMicGainStaticText"};
    ui::TLabel ExternalMicGainLabel{"ExternalMicGainLabel"};
    ui::TUpDown ExternalMicHighGainBoostUpDown{"ExternalMicHighGainBoostUpDown"};
    ui::TStaticText ExternalMicHighGainBoostStaticText{"ExternalMicHighGainBoostStaticText"};
    ui::TLabel ExternalMicHighGainBoostLabel{"ExternalMicHighGainBoostLabel"};
    ui::TUpDown RemotePTTGainBoostUpDown{"RemotePTTGainBoostUpDown"};
    ui::TStaticText RemotePTTGainBoostStaticText{"RemotePTTGainBoostStaticText"};
    ui::TLabel RemotePTTGainBoostLabel{"RemotePTTGainBoostLabel"};
    ui::TUpDown AudioIntegrityUpDown{"AudioIntegrityUpDown"};
    ui::TStaticText AudioIntegrityStaticText{"AudioIntegrityStaticText"};
    ui::TLabel AudioIntegrityLabel{"AudioIntegrityLabel"};
    ui::TCheckBox FixedAlertToneVolumeCheckBox{"FixedAlertToneVolumeCheckBox"};
    ui::TUpDown AlertToneVolumeUpDown{"AlertToneVolumeUpDown"};
    ui::TStaticText AlertToneVolumeStaticText{"AlertToneVolumeStaticText"};
    ui::TLabel AlertToneVolumeLabel{"AlertToneVolumeLabel"};

    // Handset, "Emergency"
    ui::TGroupBox PressAndHoldEmergencyGroupBox{"PressAndHoldEmergencyGroupBox"};
    ui::TUpDown AudioLinkActiveTimeUpDown{"AudioLinkActiveTimeUpDown"};
    ui::TStaticText AudioLinkActiveTimeStaticText{"AudioLinkActiveTimeStaticText"};
    ui::TLabel AudioLinkActiveTimeLabel{"AudioLinkActiveTimeLabel"};
    ui::TGroupBox ShortOrLongPressEmergencyGroupBox{"ShortOrLongPressEmergencyGroupBox"};
    ui::TUpDown TransmitTimeUpDown{"TransmitTimeUpDown"};
    ui::TStaticText TransmitTimeStaticText{"TransmitTimeStaticText"};
    ui::TLabel TransmitTimeLabel{"TransmitTimeLabel"};
    ui::TUpDown ReceiveTimeUpDown{"ReceiveTimeUpDown"};
    ui::TStaticText ReceiveTimeStaticText{"ReceiveTimeStaticText"};
    ui::TLabel ReceiveTimeLabel{"ReceiveTimeLabel"};
    ui::TUpDown EmergencyRepeatCyclesUpDown{"EmergencyRepeatCyclesUpDown"};
    ui::TStaticText EmergencyRepeatCyclesStaticText{"EmergencyRepeatCyclesStaticText"};
    ui::TLabel EmergencyRepeatCyclesLabel{"EmergencyRepeatCyclesLabel"};
    ui::TCheckBox TransmitAudibleEmergencyToneCheckBox{"TransmitAudibleEmergencyToneCheckBox"};

    // Handset, "Hardware"
    ui::TComboBox HirosePin2FunctionComboBox{"HirosePin2FunctionComboBox"};
    ui::TLabel HirosePin2FunctionLabel{"HirosePin2FunctionLabel"};
    ui::TGroupBox ButtonAssignmentsGroupBox{"ButtonAssignmentsGroupBox"};
    ui::TUpDown LongPressDurationUpDown{"LongPressDurationUpDown"};
    ui::TStaticText LongPressDurationStaticText{"LongPressDurationStaticText"};
    ui::TLabel LongPressDurationLabel{"LongPressDurationLabel"};
    ui::TComboBox AccPTTPressAndHoldComboBox{"AccPTTPressAndHoldComboBox"};
    ui::TComboBox AccPTTShortPressComboBox{"AccPTTShortPressComboBox"};
    ui::TComboBox AccPTTLongPressComboBox{"AccPTTLongPressComboBox"};
    ui::TComboBox PTTPressAndHoldComboBox{"PTTPressAndHoldComboBox"};
    ui::TComboBox PTTShortPressComboBox{"PTTShortPressComboBox"};
    ui::TComboBox PTTLongPressComboBox{"PTTLongPressComboBox"};
    ui::TComboBox Top1PressAndHoldComboBox{"Top1PressAndHoldComboBox"};
    ui::TComboBox Top1ShortPressComboBox{"Top1ShortPressComboBox"};
    ui::TComboBox Top1LongPressComboBox{"Top1LongPressComboBox"};
    ui::TComboBox Top2PressAndHoldComboBox{"Top2PressAndHoldComboBox"};
    ui::TComboBox Top2ShortPressComboBox{"Top2ShortPressComboBox"};
    ui::TComboBox Top2LongPressComboBox{"Top2LongPressComboBox"};
    ui::TComboBox Left1PressAndHoldComboBox{"Left1PressAndHoldComboBox"};
    ui::TComboBox Left1ShortPressComboBox{"Left1ShortPressComboBox"};
    ui::TComboBox Left1LongPressComboBox{"Left1LongPressComboBox"};
    ui::TComboBox Left2PressAndHoldComboBox{"Left2PressAndHoldComboBox"};
    ui::TComboBox Left2ShortPressComboBox{"Left2ShortPressComboBox"};
    ui::TComboBox Left2LongPressComboBox{"Left2LongPressComboBox"};
    ui::TComboBox Right1PressAndHoldComboBox{"Right1PressAndHoldComboBox"};
    ui::TComboBox Right1ShortPressComboBox{"Right1ShortPressComboBox"};
    ui::TComboBox Right1LongPressComboBox{"Right1LongPressComboBox"};

    // Gateway, "Audio Levels"
    ui::TUpDown GWReceiveInputGainUpDown{"GWReceiveInputGainUpDown"};
    ui::TStaticText GWReceiveInputGainStaticText{"GWReceiveInputGainStaticText"};
    ui::TLabel GWReceiveInputGainLabel{"GWReceiveInputGainLabel"};
    ui::TUpDown GWTransmitOutputGainUpDown{"GWTransmitOutputGainUpDown"};
    ui::TStaticText GWTransmitOutputGainStaticText{"GWTransmitOutputGainStaticText"};
    ui::TLabel GWTransmitOutputGainLabel{"GWTransmitOutputGainLabel"};
    ui::TUpDown GWTalkAroundOutputGainUpDown{"GWTalkAroundOutputGainUpDown"};
    ui::TStaticText GWTalkAroundOutputGainStaticText{"GWTalkAroundOutputGainStaticText"};
    ui::TLabel GWTalkAroundOutputGainLabel{"GWTalkAroundOutputGainLabel"};
    ui::TCheckBox GWEmergencyAlertToneCheckBox{"GWEmergencyAlertToneCheckBox"};
    ui::TCheckBox GWFindMeFunctionCheckBox{"GWFindMeFunctionCheckBox"};
    ui::TCheckBox GWMultiOperationalMicsCheckBox{"GWMultiOperationalMicsCheckBox"};
    ui::TCheckBox GWPublicAddressModeCheckBox{"GWPublicAddressModeCheckBox"};
    ui::TCheckBox GWVOXEnabledCORCheckBox{"GWVOXEnabledCORCheckBox"};
    ui::TUpDown GWVOXTriggerLevelUpDown{"GWVOXTriggerLevelUpDown"};
    ui::TStaticText GWVOXTriggerLevelStaticText{"GWVOXTriggerLevelStaticText"};
    ui::TLabel GWVOXTriggerLevelLabel{"GWVOXTriggerLevelLabel"};

    // Gateway, "Hardware": the nine I/O lines
    ui::TComboBox GWRadioPTTIOComboBox{"GWRadioPTTIOComboBox"};
    ui::TComboBox GWRadioPTTActiveComboBox{"GWRadioPTTActiveComboBox"};
    ui::TComboBox GWRadioPTTFunctionComboBox{"GWRadioPTTFunctionComboBox"};
    ui::TUpDown GWRadioPTTPulseUpDown{"GWRadioPTTPulseUpDown"};
    ui::TStaticText GWRadioPTTPulseStaticText{"GWRadioPTTPulseStaticText"};
    ui::TComboBox GWRadioEmergencyIOComboBox{"GWRadioEmergencyIOComboBox"};
    ui::TComboBox GWRadioEmergencyActiveComboBox{"GWRadioEmergencyActiveComboBox"};
    ui::TComboBox GWRadioEmergencyFunctionComboBox{"GWRadioEmergencyFunctionComboBox"};
    ui::TUpDown GWRadioEmergencyPulseUpDown{"GWRadioEmergencyPulseUpDown"};
    ui::TStaticText GWRadioEmergencyPulseStaticText{"GWRadioEmergencyPulseStaticText"};
    ui::TComboBox GWRadioCORIOComboBox{"GWRadioCORIOComboBox"};
    ui::TComboBox GWRadioCORActiveComboBox{"GWRadioCORActiveComboBox"};
    ui::TComboBox GWRadioCORFunctionComboBox{"GWRadioCORFunctionComboBox"};
    ui::TUpDown GWRadioCORPulseUpDown{"GWRadioCORPulseUpDown"};
    ui::TStaticText GWRadioCORPulseStaticText{"GWRadioCORPulseStaticText"};
    ui::TComboBox GWRadioFunction1IOComboBox{"GWRadioFunction1IOComboBox"};
    ui::TComboBox GWRadioFunction1ActiveComboBox{"GWRadioFunction1ActiveComboBox"};
    ui::TComboBox GWRadioFunction1FunctionComboBox{"GWRadioFunction1FunctionComboBox"};
    ui::TUpDown GWRadioFunction1PulseUpDown{"GWRadioFunction1PulseUpDown"};
    ui::TStaticText GWRadioFunction1PulseStaticText{"GWRadioFunction1PulseStaticText"};
    ui::TComboBox GWRadioFunction2IOComboBox{"GWRadioFunction2IOComboBox"};
    ui::TComboBox GWRadioFunction2ActiveComboBox{"GWRadioFunction2ActiveComboBox"};
    ui::TComboBox GWRadioFunction2FunctionComboBox{"GWRadioFunction2FunctionComboBox"};
    ui::TUpDown GWRadioFunction2PulseUpDown{"GWRadioFunction2PulseUpDown"};
    ui::TStaticText GWRadioFunction2PulseStaticText{"GWRadioFunction2PulseStaticText"};
    ui::TComboBox GWRadioFunction3IOComboBox{"GWRadioFunction3IOComboBox"};
    ui::TComboBox GWRadioFunction3ActiveComboBox{"GWRadioFunction3ActiveComboBox"};
    ui::TComboBox GWRadioFunction3FunctionComboBox{"GWRadioFunction3FunctionComboBox"};
    ui::TUpDown GWRadioFunction3PulseUpDown{"GWRadioFunction3PulseUpDown"};
    ui::TStaticText GWRadioFunction3PulseStaticText{"GWRadioFunction3PulseStaticText"};
    ui::TComboBox GWRadioFunction4IOComboBox{"GWRadioFunction4IOComboBox"};
    ui::TComboBox GWRadioFunction4ActiveComboBox{"GWRadioFunction4ActiveComboBox"};
    ui::TComboBox GWRadioFunction4FunctionComboBox{"GWRadioFunction4FunctionComboBox"};
    ui::TUpDown GWRadioFunction4PulseUpDown{"GWRadioFunction4PulseUpDown"};
    ui::TStaticText GWRadioFunction4PulseStaticText{"GWRadioFunction4PulseStaticText"};
    ui::TComboBox GWRadioFunction5IOComboBox{"GWRadioFunction5IOComboBox"};
    ui::TComboBox GWRadioFunction5ActiveComboBox{"GWRadioFunction5ActiveComboBox"};
    ui::TComboBox GWRadioFunction5FunctionComboBox{"GWRadioFunction5FunctionComboBox"};
    ui::TUpDown GWRadioFunction5PulseUpDown{"GWRadioFunction5PulseUpDown"};
    ui::TStaticText GWRadioFunction5PulseStaticText{"GWRadioFunction5PulseStaticText"};
    ui::TComboBox GWRadioFunction6IOComboBox{"GWRadioFunction6IOComboBox"};
    ui::TComboBox GWRadioFunction6ActiveComboBox{"GWRadioFunction6ActiveComboBox"};
    ui::TComboBox GWRadioFunction6FunctionComboBox{"GWRadioFunction6FunctionComboBox"};
    ui::TUpDown GWRadioFunction6PulseUpDown{"GWRadioFunction6PulseUpDown"};
    ui::TStaticText GWRadioFunction6PulseStaticText{"GWRadioFunction6PulseStaticText"};

private:
    void BuildControls();
    void RegisterControls();
    void WireHandlers();

    std::vector<ui::TControl*> controls_;
    std::vector<std::unique_ptr<ui::TLabel>> captions_;
    std::array<int, kGatewayLines> rememberedIO_{};
    std::array<int, kGatewayLines> rememberedFunction_{};
};

}  // namespace editor
