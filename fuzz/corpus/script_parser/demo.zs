# A tour of the ZENTA User Programmer, headless: start it, let it choose its transport,
# change settings on the handset and gateway pages, read a simulated handset, and check
# what the window shows at each step. Run it with `zenta script -v examples/demo.zs` to
# see every check as it holds.

# Program entry at 09:30 in the morning; the window is created and shown.
clock 09:30:00.000
start
expect Window.caption "ZENTA User Programmer, v2.05A"

# 300 ms later the timer chooses the transport: no SPI adapter, so the USB device.
wait 300
expect Window.caption "ZENTA User Programmer, v2.05A, Transport = \\\\.\\CSR0"

# Handset, "User Experience": a longer auto turn-off and a lower battery warning.
spin AutoTurnOffTimerUpDown up 4
expect AutoTurnOffTimerStaticText.text 12
spin LowBatteryBeepVoltageUpDown down 2
expect LowBatteryBeepVoltageStaticText.text 3.3
click MuteSpeakerOnPTTCheckBox
expect MuteSpeakerOnPTTCheckBox.checked 1

# Handset, "Audio Levels": a fixed alert tone volume makes the volume settable.
tab AudioLevelsTabSheet
expect AlertToneVolumeUpDown.enabled 0
click FixedAlertToneVolumeCheckBox
expect AlertToneVolumeUpDown.enabled 1
spin AlertToneVolumeUpDown down 2
expect AlertToneVolumeUpDown.position 3

# Handset, "Hardware": "Top 1" loses its press-and-hold action and gets a short press.
tab HardwareTabSheet
expect Top1ShortPressComboBox.enabled 0
select Top1PressAndHoldComboBox "(Disabled)"
expect Top1ShortPressComboBox.enabled 1
select Top1ShortPressComboBox "Aux 1"
expect Top1ShortPressComboBox.text "Aux 1"

# Gateway, "Hardware": "Function 1" becomes an output pulsing "Aux 2".
tab CradleTabSheet
tab GWHardwareTabSheet
select GWRadioFunction1IOComboBox "Output"
expect GWRadioFunction1FunctionComboBox.count 9
select GWRadioFunction1FunctionComboBox "Aux 2"
expect GWRadioFunction1PulseUpDown.min 10
expect GWRadioFunction1PulseUpDown.max 30000
spin GWRadioFunction1PulseUpDown up 50
expect GWRadioFunction1PulseStaticText.text 1000

# Gateway, "Audio Levels": Find-Me warns about the earpiece jack.
tab GWAudioLevelsTabSheet
click GWFindMeFunctionCheckBox
expect-prompt "Warning" "The Handset Earpiece Jack should not be used when this feature is enabled\nas it may cause hearing damage."

# The Kesto edition takes the multi operational mics away.
click butModelKesto
expect GWMultiOperationalMicsCheckBox.checked 0
expect GWMultiOperationalMicsCheckBox.enabled 0

# DEFAULTS on the gateway tab puts the gateway back and leaves the handset alone.
click FactoryButton
expect GWRadioFunction1IOComboBox.text Input
expect GWFindMeFunctionCheckBox.checked 0
expect AutoTurnOffTimerUpDown.position 12

# An Ardex handset with its factory record on the programming link: READ DEVICE
# switches to the handset pages, selects Ardex and loads the record.
unit handset
pskey 0x02AB 0xA700 0x0008 0x0DAC 0x0005 0x0000 0x0006 0x0009 0x0006 0x0009 0x0005 0x0000 0x0000 0x0000 0x0001 0x03E8 0x1000 0x3000 0x1800 0x0100 0x0140 0x0001 0x00C8 0x1000 0x0000 0x0000
click ReadDeviceButton
expect-prompt "NOTE" "Success to read ZENTA Handset settings."
expect MasterPageControl.active HandsetTabSheet
expect HSSwVersionLabel.caption "HS: V2.05 Ardex"
expect butModelArdex.checked 1
expect AutoTurnOffTimerUpDown.position 8
expect LowBatteryBeepVoltageStaticText.text 3.5
expect Top1PressAndHoldComboBox.text "Emergency"
expect-log "HS: V2.05 Ardex"

# Shift and Control on the picture: the developer view with the activity log.
click MainImage lshift lctrl
expect AudioIntegrityUpDown.visible 1
expect InfoMemo.visible 1
expect Window.clientheight 744

# E&XIT ends the program; every prompt shown has been checked.
click ExitButton
expect Window.closed 1
expect-no-prompt
