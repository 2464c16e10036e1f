# Saved with the gateway pages shown and loaded with the handset pages shown: both units
# come back, gateway lines with their functions and pulses, and the pages stay.
start
tab AudioLevelsTabSheet
spin InternalMicGainUpDown up 2
tab CradleTabSheet
tab GWHardwareTabSheet
select GWRadioFunction1IOComboBox "Output"
select GWRadioFunction1FunctionComboBox "Aux 1"
spin GWRadioFunction1PulseUpDown up 3
select GWRadioCORIOComboBox "Output"
select GWRadioCORFunctionComboBox "Handset out of Range"
dialog "both.wpx"
click SaveFileButton

click FactoryButton
expect GWRadioFunction1IOComboBox.text "Input"
tab HandsetTabSheet
click FactoryButton
expect InternalMicGainUpDown.position 0

dialog "both.wpx"
click LoadFileButton
expect MasterPageControl.active HandsetTabSheet
expect HandsetPageControl.active AudioLevelsTabSheet
expect InternalMicGainUpDown.position 6
expect GWRadioFunction1IOComboBox.text "Output"
expect GWRadioFunction1FunctionComboBox.items "Disabled|Radio PTT|Emergency|Talk around|Aux 1|Aux 2|Handset in Cradle|Handset out of Range|Handsfree active"
expect GWRadioFunction1FunctionComboBox.text "Aux 1"
expect GWRadioFunction1PulseUpDown.min 10
expect GWRadioFunction1PulseUpDown.max 30000
expect GWRadioFunction1PulseUpDown.position 530
expect GWRadioFunction1PulseUpDown.enabled 1
expect GWRadioCORFunctionComboBox.text "Handset out of Range"
expect GWRadioCORPulseUpDown.max 5000

# The remembered indices follow the loaded lists: the same function again runs no pulse
# rule, another one does.
tab CradleTabSheet
select GWRadioFunction1FunctionComboBox "Aux 1"
expect GWRadioFunction1PulseUpDown.position 530
select GWRadioFunction1FunctionComboBox "Aux 2"
expect GWRadioFunction1PulseUpDown.position 500
expect-no-prompt
