# PROGRAM DEVICE writes only to a unit of the kind on show and of this series; every other
# unit is refused after the two identification reads, and nothing is written.
start
unit gateway
click ProgramDeviceButton
expect-prompt "ERROR" "The device is not ZENTA Fennic Series Handset." type=1 buttons=OK focused=1
unit handset type=0xAC02
click ProgramDeviceButton
expect-prompt "ERROR" "The device is not ZENTA Fennic Series Handset."
unit gateway type=0xFD00
click ProgramDeviceButton
expect-prompt "ERROR" "The device is not ZENTA Fennic Series Handset."
unit handset type=0x0000
click ProgramDeviceButton
expect-prompt "ERROR" "The device is not ZENTA Fennic Series Handset."
expect MasterPageControl.active HandsetTabSheet
tab CradleTabSheet
unit handset
click ProgramDeviceButton
expect-prompt "ERROR" "The device is not ZENTA Fennic Series Gateway." type=1 buttons=OK focused=1
unit gateway type=0xFD02
click ProgramDeviceButton
expect-prompt "ERROR" "The device is not ZENTA Fennic Series Gateway."
unit gateway type=0x1234
click ProgramDeviceButton
expect-prompt "ERROR" "The device is not ZENTA Fennic Series Gateway."
expect-no-prompt
expect MasterPageControl.active CradleTabSheet
expect Sim.reads 14
expect Sim.writes 0
expect Log.count 3
expect HSSwVersionLabel.caption ""
expect GWSwVersionLabel.caption ""
expect Sim.open 0

# No unit, and a unit whose type cannot be read.
unit none
click ProgramDeviceButton
expect-prompt "ERROR" "ZENTA not detected. Check cables and ensure ZENTA is in programming mode."
unit gateway
fail read 3 key=0x02A9
click ProgramDeviceButton
expect-prompt "ERROR" "Fail to read pskey"
expect-no-prompt
expect Sim.writes 0
expect Sim.slept 1500
expect Sim.open 0
