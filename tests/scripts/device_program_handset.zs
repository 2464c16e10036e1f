# PROGRAM DEVICE with the handset pages on show: identification, the record built from
# the editor, the "Write - " line, the write, and the restart question with No focused:
# Enter answers No, Yes restarts the unit before the connection closes.
start
unit handset
pskey 0x02AB 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF 0xFFFF
click TATalkPermitToneCheckBox
spin InternalMicGainUpDown down 8
click ProgramDeviceButton
expect-log "HS: V2.05 Ardex"
expect-log "Write - 2700 0008 0DAC 0005 FFE8 0006 0009 0006 0009 0005 0000 0000 0000 0001 03E8 1000 3000 1800 0100 0140 0001 00C8 1000 0000 0000 "
expect-prompt "NOTE" "Success writing ZENTA Handset settings.\nReset device?" type=2 buttons=YesNo focused=2
expect-no-prompt
expect Sim.key.0x02AB "2700 0008 0DAC 0005 FFE8 0006 0009 0006 0009 0005 0000 0000 0000 0001 03E8 1000 3000 1800 0100 0140 0001 00C8 1000 0000 0000"
expect HSSwVersionLabel.caption "HS: V2.05 Ardex"
expect MasterPageControl.active HandsetTabSheet
expect Sim.restarts 0
expect Sim.reads 2
expect Sim.writes 1
expect Sim.opens 2
expect Sim.closes 2
expect Sim.open 0

answer Yes
click ProgramDeviceButton
expect-prompt "NOTE" "Success writing ZENTA Handset settings.\nReset device?"
expect Sim.restarts 1
expect Sim.writes 2
expect Sim.closes 4
expect Sim.open 0

answer close
click ProgramDeviceButton
expect-prompt "NOTE" "Success writing ZENTA Handset settings.\nReset device?"
expect Sim.restarts 1

# A Kesto handset takes the Kesto edition, which sets the emergency times, before the
# record is built. An unreadable version is not reported and does not stop the write.
unit handset type=0xAB00
fail read 3 key=0x02AD
spin TransmitTimeUpDown up 30
expect TransmitTimeUpDown.position 30
click ProgramDeviceButton
expect-prompt "NOTE" "Success writing ZENTA Handset settings.\nReset device?"
expect-no-prompt
expect butModelKesto.checked 1
expect HSSwVersionLabel.caption "HS: V0.00 Kesto"
expect TransmitTimeUpDown.position 0
expect Sim.key.0x02AB "2700 0008 0DAC 0005 FFE8 0006 0009 0006 0009 0005 0000 0000 0000 0001 03E8 1000 3000 1800 0100 0140 0001 00C8 1000 0000 0000"
expect Sim.open 0
