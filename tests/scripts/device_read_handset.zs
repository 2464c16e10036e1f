# READ DEVICE of a handset while the gateway pages are shown: the editor switches to the
# handset pages, shows the unit's version in its label and the log, lists the record
# read and applies it. One connection for the chip check, one for the reads.
start
unit handset version=0x0206
pskey 0x02AB 0x4000 0x0018 0x0FA0 0x000A 0xFFE8 0x000C 0xFFF4 0x0003 0x000C 0x0002 0x00FF 0x003C 0x002D 0x000A 0x09C4 0x1800 0x0187 0x0209 0x0141 0x1000 0x0108 0x00FF 0x1800 0x0000 0x0000
tab CradleTabSheet
click ReadDeviceButton
expect MasterPageControl.active HandsetTabSheet
expect HSSwVersionLabel.caption "HS: V2.06 Ardex"
expect GWSwVersionLabel.caption ""
expect butModelArdex.checked 1
expect-log "HS: V2.06 Ardex"
expect-log "Read  - 4000 0018 0FA0 000A FFE8 000C FFF4 0003 000C 0002 00FF 003C 002D 000A 09C4 1800 0187 0209 0141 1000 0108 00FF 1800 0000 0000 "
expect-prompt "NOTE" "Success to read ZENTA Handset settings." type=2 buttons=OK focused=1
expect-no-prompt
expect RadioTalkPermitToneCheckBox.checked 1
expect TATalkPermitToneCheckBox.checked 0
expect AutoTurnOffTimerUpDown.position 24
expect LowBatteryBeepVoltageStaticText.text 4.0
expect InternalMicGainUpDown.position -24
expect ExternalMicGainStaticText.text -12
expect TransmitTimeUpDown.position 60
expect LongPressDurationUpDown.position 2500
expect PTTPressAndHoldComboBox.text "Talk Around PTT"
expect Top1PressAndHoldComboBox.text "(Disabled)"
expect Top1ShortPressComboBox.text "Emergency"
expect Top1LongPressComboBox.text "Aux 1"
expect Top2LongPressComboBox.text "HF On/Off"
expect Left2PressAndHoldComboBox.text "Radio PTT"
expect Left2ShortPressComboBox.text "(Disabled)"
expect Left2ShortPressComboBox.enabled 0
expect AudioIntegrityUpDown.position 255
expect AccPTTPressAndHoldComboBox.text "Talk Around PTT"
expect Sim.opens 2
expect Sim.closes 2
expect Sim.open 0
expect Sim.reads 3
expect Sim.writes 0
expect Sim.slept 0
