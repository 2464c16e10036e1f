# The gateway I/O lines: a direction change offers the functions of that direction
# with "Disabled" selected, "Handsfree active" only on "Function 1" to "Function 6";
# the Aux outputs take pulses of 10..30000 ms starting at 500; events that change
# nothing are ignored by the remembered indices.
start
tab CradleTabSheet
tab GWHardwareTabSheet
expect CradlePageControl.active GWHardwareTabSheet

# Lines the user cannot change.
expect GWRadioPTTIOComboBox.enabled 0
expect GWRadioPTTActiveComboBox.enabled 0
expect GWRadioPTTFunctionComboBox.enabled 0
expect GWRadioPTTPulseStaticText.enabled 0
expect GWRadioFunction3IOComboBox.enabled 0
expect GWRadioFunction6IOComboBox.enabled 0
expect GWRadioFunction6FunctionComboBox.enabled 1
expect GWRadioFunction2IOComboBox.enabled 1

# "Function 1" from Input to Output: nine functions, "Disabled" selected, the pulse
# usable, its range untouched.
select GWRadioFunction1IOComboBox "Output"
expect GWRadioFunction1FunctionComboBox.count 9
expect GWRadioFunction1FunctionComboBox.items "Disabled|Radio PTT|Emergency|Talk around|Aux 1|Aux 2|Handset in Cradle|Handset out of Range|Handsfree active"
expect GWRadioFunction1FunctionComboBox.text "Disabled"
expect GWRadioFunction1PulseUpDown.enabled 1
expect GWRadioFunction1PulseStaticText.enabled 1
expect GWRadioFunction1PulseUpDown.min 0
expect GWRadioFunction1PulseUpDown.max 5000

# An Aux output gets 10..30000 at 500; another function 0..5000 at 0.
select GWRadioFunction1FunctionComboBox "Aux 2"
expect GWRadioFunction1PulseUpDown.min 10
expect GWRadioFunction1PulseUpDown.max 30000
expect GWRadioFunction1PulseUpDown.position 500
expect GWRadioFunction1PulseStaticText.text 500
spin GWRadioFunction1PulseUpDown up 2
expect GWRadioFunction1PulseUpDown.position 520
select GWRadioFunction1FunctionComboBox "Emergency"
expect GWRadioFunction1PulseUpDown.min 0
expect GWRadioFunction1PulseUpDown.max 5000
expect GWRadioFunction1PulseUpDown.position 0
expect GWRadioFunction1PulseUpDown.step 10

# "Radio Emergency" to Input: four functions, the pulse locked; back to Output: eight.
select GWRadioEmergencyIOComboBox "Input"
expect GWRadioEmergencyFunctionComboBox.items "Disabled|Radio COR|Remote PTT|Find Me"
expect GWRadioEmergencyFunctionComboBox.index 0
expect GWRadioEmergencyPulseUpDown.enabled 0
select GWRadioEmergencyIOComboBox "Output"
expect GWRadioEmergencyFunctionComboBox.count 8
expect GWRadioEmergencyFunctionComboBox.text "Disabled"
expect GWRadioEmergencyPulseUpDown.enabled 1

# Choosing the direction the line already has changes nothing: the function stays.
select GWRadioEmergencyFunctionComboBox "Handset out of Range"
select GWRadioEmergencyIOComboBox "Output"
expect GWRadioEmergencyFunctionComboBox.text "Handset out of Range"
expect GWRadioEmergencyFunctionComboBox.count 8

# "Radio COR" to Output enables its pulse, back to Input disables it.
select GWRadioCORIOComboBox 1
expect GWRadioCORPulseUpDown.enabled 1
select GWRadioCORIOComboBox 0
expect GWRadioCORPulseUpDown.enabled 0
expect GWRadioCORFunctionComboBox.text "Disabled"

# The remembered index: "Function 2" becomes an output with "Aux 1" (index 4) and a
# pulse of 530; Input and back to Output leave the remembered function index at 4, so
# picking "Aux 1" again runs no pulse rule and the 530 stands.
select GWRadioFunction2IOComboBox "Output"
select GWRadioFunction2FunctionComboBox "Aux 1"
expect GWRadioFunction2PulseUpDown.position 500
spin GWRadioFunction2PulseUpDown up 3
select GWRadioFunction2IOComboBox "Input"
expect GWRadioFunction2PulseUpDown.position 530
expect GWRadioFunction2PulseUpDown.max 30000
expect GWRadioFunction2PulseUpDown.enabled 0
select GWRadioFunction2IOComboBox "Output"
expect GWRadioFunction2FunctionComboBox.text "Disabled"
select GWRadioFunction2FunctionComboBox "Aux 1"
expect GWRadioFunction2PulseUpDown.position 530
expect GWRadioFunction2PulseUpDown.min 10
# Another function runs the rule again.
select GWRadioFunction2FunctionComboBox "Talk around"
expect GWRadioFunction2PulseUpDown.position 0
expect GWRadioFunction2PulseUpDown.max 5000

# A fixed-direction output line still takes a function and its pulse range.
select GWRadioFunction6FunctionComboBox "Aux 1"
expect GWRadioFunction6PulseUpDown.position 500
spin GWRadioFunction6PulseUpDown down 60
expect GWRadioFunction6PulseUpDown.position 10
expect-no-prompt
