# After start-up every setting stands at its default: tick boxes, spins with their
# boxes and ranges, the Hirose list, the button grid and the nine gateway lines.
start

# Handset tick boxes.
expect RadioTalkPermitToneCheckBox.checked 0
expect EmergencyToneCheckBox.checked 1
expect TATalkPermitToneCheckBox.checked 1
expect StealthModeAlwaysActiveCheckBox.checked 0
expect MuteSpeakerOnPTTCheckBox.checked 0
expect MuteSpeakerOnChargeCheckBox.checked 1
expect LEDChargeIndicateCheckBox.checked 1
expect AutoTurnOnWhenChargingCheckBox.checked 1
expect HandsfreeFunctionCheckBox.checked 0
expect MinimumVolumeIs0CheckBox.checked 0
expect FixedAlertToneVolumeCheckBox.checked 0
expect TransmitAudibleEmergencyToneCheckBox.checked 0
expect MinimumVolumeIs0CheckBox.caption "Minimum Volume Is Off"

# Handset spins: position, the box that shows it, range and step.
expect AutoTurnOffTimerUpDown.position 8
expect AutoTurnOffTimerStaticText.text 8
expect AutoTurnOffTimerUpDown.max 24
expect LowBatteryBeepVoltageUpDown.position 3500
expect LowBatteryBeepVoltageUpDown.min 2500
expect LowBatteryBeepVoltageUpDown.max 4000
expect LowBatteryBeepVoltageUpDown.step 100
expect LowBatteryBeepVoltageStaticText.text 3.5
expect LowBatteryBeepIntervalTimerUpDown.position 5
expect InternalMicGainUpDown.position 0
expect InternalMicGainUpDown.min -24
expect InternalMicGainUpDown.max 21
expect InternalMicGainUpDown.step 3
expect InternalMicHighGainBoostUpDown.position 6
expect ExternalMicGainUpDown.position 9
expect ExternalMicGainStaticText.text 9
expect ExternalMicHighGainBoostUpDown.position 6
expect RemotePTTGainBoostUpDown.position 9
expect AudioIntegrityUpDown.position 200
expect AudioIntegrityUpDown.min 100
expect AudioIntegrityUpDown.max 255
expect AlertToneVolumeUpDown.position 5
expect AudioLinkActiveTimeUpDown.position 0
expect AudioLinkActiveTimeUpDown.max 255
expect TransmitTimeUpDown.position 0
expect TransmitTimeUpDown.max 60
expect ReceiveTimeUpDown.position 0
expect EmergencyRepeatCyclesUpDown.position 1
expect EmergencyRepeatCyclesUpDown.min 1
expect LongPressDurationUpDown.position 1000
expect LongPressDurationUpDown.step 100
expect LongPressDurationStaticText.text 1000

# Handset lists.
expect HirosePin2FunctionComboBox.index 0
expect HirosePin2FunctionComboBox.items "Speaker -ve|Battery +ve"
expect AccPTTPressAndHoldComboBox.text "Radio PTT"
expect AccPTTPressAndHoldComboBox.items "Radio PTT|Talk Around PTT"
expect AccPTTShortPressComboBox.text "(Disabled)"
expect AccPTTLongPressComboBox.text "(Disabled)"
expect PTTPressAndHoldComboBox.text "Radio PTT"
expect PTTPressAndHoldComboBox.items "(Disabled)|Radio PTT|Talk Around PTT"
expect PTTShortPressComboBox.items "(Disabled)|Volume Up|Volume Down|Aux 1|Aux 2|Emergency"
expect Top1PressAndHoldComboBox.text "Emergency"
expect Top1ShortPressComboBox.items "(Disabled)|Volume Up|Volume Down|Aux 1|Aux 2|Emergency|HF On/Off"
expect Top1LongPressComboBox.items "(Disabled)|Volume Up|Volume Down|Aux 1|Aux 2|On / Off|Emergency|HF On/Off"
expect Top2PressAndHoldComboBox.text "Talk Around PTT"
expect Top2ShortPressComboBox.index 0
expect Left1PressAndHoldComboBox.text "(Disabled)"
expect Left1ShortPressComboBox.text "Volume Up"
expect Left1ShortPressComboBox.index 1
expect Left1LongPressComboBox.text "(Disabled)"
expect Left2PressAndHoldComboBox.index 0
expect Left2ShortPressComboBox.text "Volume Down"
expect Left2LongPressComboBox.index 0
expect Right1PressAndHoldComboBox.text "(Disabled)"
expect Right1ShortPressComboBox.text "(Disabled)"
expect Right1ShortPressComboBox.count 6
expect Right1LongPressComboBox.text "On / Off"
expect Right1LongPressComboBox.index 5

# Gateway audio levels.
expect GWReceiveInputGainUpDown.position 3
expect GWTransmitOutputGainUpDown.position 0
expect GWTalkAroundOutputGainUpDown.position 9
expect GWTalkAroundOutputGainStaticText.text 9
expect GWEmergencyAlertToneCheckBox.checked 0
expect GWFindMeFunctionCheckBox.checked 0
expect GWMultiOperationalMicsCheckBox.checked 1
expect GWPublicAddressModeCheckBox.checked 0
expect GWVOXEnabledCORCheckBox.checked 1
expect GWVOXTriggerLevelUpDown.position 70
expect GWVOXTriggerLevelLabel.caption "VOX Trigger Level "

# Gateway lines: direction, level, function and pulse.
expect GWRadioPTTIOComboBox.text Output
expect GWRadioPTTActiveComboBox.text Low
expect GWRadioPTTFunctionComboBox.text "Radio PTT"
expect GWRadioPTTPulseUpDown.position 0
expect GWRadioEmergencyIOComboBox.text Output
expect GWRadioEmergencyFunctionComboBox.text Emergency
expect GWRadioEmergencyFunctionComboBox.items "Disabled|Radio PTT|Emergency|Talk around|Aux 1|Aux 2|Handset in Cradle|Handset out of Range"
expect GWRadioCORIOComboBox.text Input
expect GWRadioCORActiveComboBox.text Low
expect GWRadioCORFunctionComboBox.text "Radio COR"
expect GWRadioCORFunctionComboBox.items "Disabled|Radio COR|Remote PTT|Find Me"
expect GWRadioFunction1IOComboBox.text Input
expect GWRadioFunction1FunctionComboBox.text "Remote PTT"
expect GWRadioFunction2IOComboBox.text Input
expect GWRadioFunction2FunctionComboBox.text "Find Me"
expect GWRadioFunction3IOComboBox.text Output
expect GWRadioFunction3FunctionComboBox.text "Aux 1"
expect GWRadioFunction4ActiveComboBox.text Low
expect GWRadioFunction4FunctionComboBox.text "Aux 2"
expect GWRadioFunction5ActiveComboBox.text High
expect GWRadioFunction5FunctionComboBox.text "Handsfree active"
expect GWRadioFunction5FunctionComboBox.count 9
expect GWRadioFunction6ActiveComboBox.text High
expect GWRadioFunction6FunctionComboBox.text "Handset in Cradle"

# Pulses: the Aux outputs get 10..30000 at 500, the others keep 0..5000 at 0.
expect GWRadioFunction3PulseUpDown.position 500
expect GWRadioFunction3PulseUpDown.min 10
expect GWRadioFunction3PulseUpDown.max 30000
expect GWRadioFunction3PulseStaticText.text 500
expect GWRadioFunction4PulseUpDown.position 500
expect GWRadioFunction5PulseUpDown.position 0
expect GWRadioFunction5PulseUpDown.max 5000
expect GWRadioEmergencyPulseUpDown.position 0
expect GWRadioEmergencyPulseUpDown.step 10
expect GWRadioCORPulseUpDown.min 0
expect GWRadioCORPulseUpDown.max 5000

# Pulse spins can be used on output lines only; the Radio PTT line never.
expect GWRadioEmergencyPulseUpDown.enabled 1
expect GWRadioEmergencyPulseStaticText.enabled 1
expect GWRadioCORPulseUpDown.enabled 0
expect GWRadioFunction1PulseStaticText.enabled 0
expect GWRadioFunction6PulseUpDown.enabled 1
expect GWRadioPTTPulseUpDown.enabled 0
expect-no-prompt
