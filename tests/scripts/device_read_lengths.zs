# The "Read  - " line lists as many words as the read reported, up to the 36 words of the
# transfer buffer; a library that reports more is held to them. A record of fewer than
# 25 words counts as read, its missing words as 0.
start
unit handset
pskey 0x02AB 0xA700 0x0008 0x0DAC 0x0005 0x0000 0x0006 0x0009 0x0006 0x0009 0x0005
click ReadDeviceButton
expect-prompt "NOTE" "Success to read ZENTA Handset settings."
expect-log "Read  - A700 0008 0DAC 0005 0000 0006 0009 0006 0009 0005 "
expect PTTPressAndHoldComboBox.text "(Disabled)"
expect AccPTTPressAndHoldComboBox.text "Radio PTT"
expect AccPTTShortPressComboBox.text "(Disabled)"
expect ReceiveTimeUpDown.position 0
expect LongPressDurationUpDown.position 0
expect AudioIntegrityUpDown.position 0

read-length 60 key=0x02AB
click ReadDeviceButton
expect-prompt "NOTE" "Success to read ZENTA Handset settings."
expect Log.last "<12:00:00.00>| Read  - A700 0008 0DAC 0005 0000 0006 0009 0006 0009 0005 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 "

pskey 0x02AB 0xA700 0x0008 0x0DAC 0x0005 0x0000 0x0006 0x0009 0x0006 0x0009 0x0005 0x0000 0x0000 0x0000 0x0001 0x03E8 0x1000 0x3000 0x1800 0x0100 0x0140 0x0001 0x00C8 0x1000 0x0000 0x0000 0xEEEE 0xEEEE 0xEEEE 0xEEEE 0xEEEE 0xEEEE 0xEEEE 0xEEEE 0xEEEE 0xEEEE 0xEEEE 0xEEEE 0xEEEE 0xEEEE 0xEEEE
click ReadDeviceButton
expect-prompt "NOTE" "Success to read ZENTA Handset settings."
expect Log.last "<12:00:00.00>| Read  - A700 0008 0DAC 0005 0000 0006 0009 0006 0009 0005 0000 0000 0000 0001 03E8 1000 3000 1800 0100 0140 0001 00C8 1000 0000 0000 EEEE EEEE EEEE EEEE EEEE EEEE EEEE EEEE EEEE EEEE EEEE "
expect PTTPressAndHoldComboBox.text "Radio PTT"
expect Top1PressAndHoldComboBox.text "Emergency"
expect AudioIntegrityUpDown.position 200
expect-no-prompt
expect Sim.open 0
