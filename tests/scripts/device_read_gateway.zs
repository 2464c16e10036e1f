# READ DEVICE of gateways: the gateway pages, the edition of the unit, and for a Kesto
# gateway neither multi mics nor public address, whatever its record holds.
start
unit gateway type=0xFE01 version=0x0310
pskey 0x02AA 0xF000 0xFFF4 0x00F7 0x0006 0x0037 0xC001 0x0000 0x4003 0x0000 0xC003 0x00FA 0x8004 0x05DC 0xC008 0x0000 0xC007 0x0000 0x8005 0x7530 0xC000 0x0000 0x8002 0x0000 0x0000 0x0000
click ReadDeviceButton
expect MasterPageControl.active CradleTabSheet
expect GWSwVersionLabel.caption "GW: V3.10 Kesto"
expect HSSwVersionLabel.caption ""
expect butModelKesto.checked 1
expect-log "GW: V3.10 Kesto"
expect-log "Read  - F000 FFF4 00F7 0006 0037 C001 0000 4003 0000 C003 00FA 8004 05DC C008 0000 C007 0000 8005 7530 C000 0000 8002 0000 0000 0000 "
expect-prompt "NOTE" "Success to read ZENTA Gateway settings." type=2 buttons=OK focused=1
expect-no-prompt
expect GWMultiOperationalMicsCheckBox.checked 0
expect GWPublicAddressModeCheckBox.checked 0
expect GWVOXEnabledCORCheckBox.checked 1
expect GWTalkAroundOutputGainUpDown.position -12
expect GWReceiveInputGainUpDown.position -9
expect GWVOXTriggerLevelUpDown.position 55
expect GWRadioEmergencyIOComboBox.text "Input"
expect GWRadioEmergencyActiveComboBox.text "High"
expect GWRadioEmergencyFunctionComboBox.text "Find Me"
expect GWRadioEmergencyFunctionComboBox.items "Disabled|Radio COR|Remote PTT|Find Me"
expect GWRadioCORIOComboBox.text "Output"
expect GWRadioCORFunctionComboBox.text "Talk around"
expect GWRadioCORPulseUpDown.position 250
expect GWRadioCORPulseUpDown.enabled 1
expect GWRadioFunction1FunctionComboBox.text "Aux 1"
expect GWRadioFunction1PulseUpDown.position 1500
expect GWRadioFunction1PulseUpDown.min 10
expect GWRadioFunction1PulseUpDown.max 30000
expect GWRadioFunction2FunctionComboBox.text "Handsfree active"
expect GWRadioFunction4PulseStaticText.text 30000
expect Sim.reads 3
expect Sim.open 0

# The same record from an Ardex gateway keeps both features.
unit gateway
pskey 0x02AA 0xF000 0xFFF4 0x00F7 0x0006 0x0037 0xC001 0x0000 0x4003 0x0000 0xC003 0x00FA 0x8004 0x05DC 0xC008 0x0000 0xC007 0x0000 0x8005 0x7530 0xC000 0x0000 0x8002 0x0000 0x0000 0x0000
click ReadDeviceButton
expect-prompt "NOTE" "Success to read ZENTA Gateway settings."
expect butModelArdex.checked 1
expect GWSwVersionLabel.caption "GW: V2.05 Ardex"
expect GWMultiOperationalMicsCheckBox.checked 1
expect GWPublicAddressModeCheckBox.checked 1

# Reading a gateway whose record turns Find-Me on warns in the middle of the read;
# reading it again, with the box already ticked, does not.
pskey 0x02AA 0x6800 0x0009 0x0003 0x0000 0x0046 0xC001 0x0000 0xC002 0x0000 0x0001 0x0000 0x0002 0x0000 0x0003 0x0000 0xC004 0x01F4 0xC005 0x01F4 0x8008 0x0000 0x8006 0x0000 0x0000 0x0000
click ReadDeviceButton
expect-prompt "Warning" "The Handset Earpiece Jack should not be used when this feature is enabled\nas it may cause hearing damage." type=0
expect-prompt "NOTE" "Success to read ZENTA Gateway settings."
click ReadDeviceButton
expect-prompt "NOTE" "Success to read ZENTA Gateway settings."
expect-no-prompt
expect GWFindMeFunctionCheckBox.checked 1
expect Sim.open 0
