# DEFAULTS puts back the settings of the unit kind whose tab is on show and leaves the
# other kind's alone.
start

# Change some handset settings of each kind...
click RadioTalkPermitToneCheckBox
spin AutoTurnOffTimerUpDown up 2
spin LowBatteryBeepVoltageUpDown down
select HirosePin2FunctionComboBox "Battery +ve"
select Left1ShortPressComboBox "Aux 1"
select Top1PressAndHoldComboBox "(Disabled)"
# ...and some gateway settings.
click GWPublicAddressModeCheckBox
spin GWVOXTriggerLevelUpDown down 5
select GWRadioCORIOComboBox "Output"
select GWRadioCORFunctionComboBox "Aux 2"

# DEFAULTS on the gateway tab.
tab CradleTabSheet
expect MasterPageControl.active CradleTabSheet
click FactoryButton
expect GWPublicAddressModeCheckBox.checked 0
expect GWVOXTriggerLevelUpDown.position 70
expect GWRadioCORIOComboBox.text Input
expect GWRadioCORFunctionComboBox.text "Radio COR"
expect GWRadioCORFunctionComboBox.count 4
expect GWRadioCORPulseUpDown.enabled 0
# The pulse is the default's 0, although the line keeps the Aux range of its function.
expect GWRadioCORPulseUpDown.position 0
expect GWRadioCORPulseStaticText.text 0
expect GWRadioCORPulseUpDown.min 10
# The handset changes are still there.
expect RadioTalkPermitToneCheckBox.checked 1
expect AutoTurnOffTimerUpDown.position 10
expect LowBatteryBeepVoltageUpDown.position 3400
expect LowBatteryBeepVoltageStaticText.text 3.4
expect HirosePin2FunctionComboBox.index 1
expect Left1ShortPressComboBox.text "Aux 1"
expect Top1PressAndHoldComboBox.text "(Disabled)"

# Change the gateway again, then DEFAULTS on the handset tab.
click GWPublicAddressModeCheckBox
tab HandsetTabSheet
click FactoryButton
expect RadioTalkPermitToneCheckBox.checked 0
expect AutoTurnOffTimerUpDown.position 8
expect LowBatteryBeepVoltageStaticText.text 3.5
expect HirosePin2FunctionComboBox.index 0
expect Left1ShortPressComboBox.text "Volume Up"
expect Top1PressAndHoldComboBox.text "Emergency"
expect Top1ShortPressComboBox.enabled 0
expect GWPublicAddressModeCheckBox.checked 1
expect-no-prompt
