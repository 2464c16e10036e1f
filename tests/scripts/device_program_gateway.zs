# PROGRAM DEVICE with the gateway pages on show: the Radio PTT line is put back to
# Output, Low, "Radio PTT", pulse 0 before every write, and a Kesto gateway is written
# without multi mics and public address, which it leaves disabled.
start
tab CradleTabSheet
unit gateway
pskey 0x02AA 0x6000 0x0009 0x0003 0x0000 0x0046 0x4001 0x0064 0xC002 0x0000 0x0001 0x0000 0x0002 0x0000 0x0003 0x0000 0xC004 0x01F4 0xC005 0x01F4 0x8008 0x0000 0x8006 0x0000 0x0000 0x0000
click ReadDeviceButton
expect-prompt "NOTE" "Success to read ZENTA Gateway settings."
expect GWRadioPTTIOComboBox.text "Input"
expect GWRadioPTTFunctionComboBox.text "Radio COR"
expect GWRadioPTTPulseUpDown.position 100
click GWPublicAddressModeCheckBox
spin GWReceiveInputGainUpDown down 9
click ProgramDeviceButton
expect-log "GW: V2.05 Ardex"
expect-log "Write - 7000 0009 00E8 0000 0046 C001 0000 C002 0000 0001 0000 0002 0000 0003 0000 C004 01F4 C005 01F4 8008 0000 8006 0000 0000 0000 "
expect-prompt "NOTE" "Success writing ZENTA Gateway settings.\nReset device?" type=2 buttons=YesNo focused=2
expect-no-prompt
expect Sim.key.0x02AA "7000 0009 00E8 0000 0046 C001 0000 C002 0000 0001 0000 0002 0000 0003 0000 C004 01F4 C005 01F4 8008 0000 8006 0000 0000 0000"
expect GWRadioPTTIOComboBox.text "Output"
expect GWRadioPTTActiveComboBox.text "Low"
expect GWRadioPTTFunctionComboBox.text "Radio PTT"
expect GWRadioPTTPulseUpDown.position 0
expect MasterPageControl.active CradleTabSheet
expect Sim.reads 5
expect Sim.writes 1
expect Sim.open 0

unit gateway type=0xFE03
click ProgramDeviceButton
expect-log "GW: V2.05 Kesto"
expect-prompt "NOTE" "Success writing ZENTA Gateway settings.\nReset device?"
expect-no-prompt
expect Sim.key.0x02AA "2000 0009 00E8 0000 0046 C001 0000 C002 0000 0001 0000 0002 0000 0003 0000 C004 01F4 C005 01F4 8008 0000 8006 0000 0000 0000"
expect butModelKesto.checked 1
expect GWSwVersionLabel.caption "GW: V2.05 Kesto"
expect HSSwVersionLabel.caption ""
expect GWMultiOperationalMicsCheckBox.checked 0
expect GWMultiOperationalMicsCheckBox.enabled 0
expect GWPublicAddressModeCheckBox.checked 0
expect GWPublicAddressModeCheckBox.enabled 0
expect Sim.open 0
