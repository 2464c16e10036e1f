# Units READ DEVICE does not serve are refused after the two identification reads,
# before any record is read: the page, the labels and the settings stay as they were.
start
tab CradleTabSheet
unit handset type=0xAC02
pskey 0x02AB 0xA700 0x0008 0x0DAC 0x0005 0x0000 0x0006 0x0009 0x0006 0x0009 0x0005 0x0000 0x0000 0x0000 0x0001 0x03E8 0x1000 0x3000 0x1800 0x0100 0x0140 0x0001 0x00C8 0x1000 0x0000 0x0000
click ReadDeviceButton
expect-prompt "ERROR" "This programmer is for Fennic series only. Please use version 3.xx for this ZENTA Tavin model." type=1 buttons=OK focused=1
expect Sim.reads 2
unit gateway type=0xFD00
pskey 0x02AA 0x6000 0x0009 0x0003 0x0000 0x0046 0xC001 0x0000 0xC002 0x0000 0x0001 0x0000 0x0002 0x0000 0x0003 0x0000 0xC004 0x01F4 0xC005 0x01F4 0x8008 0x0000 0x8006 0x0000 0x0000 0x0000
click ReadDeviceButton
expect-prompt "ERROR" "This programmer is for Fennic series only. Please use version 3.xx for this ZENTA Tavin model."
expect Sim.reads 4
unit handset type=0x0000
click ReadDeviceButton
expect-prompt "ERROR" "Unknown ZENTA found. Please see support.zenta-programmer.example for correct programmer." type=1 buttons=OK focused=1
unit gateway type=0x02FE
click ReadDeviceButton
expect-prompt "ERROR" "Unknown ZENTA found. Please see support.zenta-programmer.example for correct programmer."
expect Sim.reads 8
expect-no-prompt
expect MasterPageControl.active CradleTabSheet
expect HSSwVersionLabel.caption ""
expect GWSwVersionLabel.caption ""
expect Log.count 3
expect Sim.open 0

# A unit type that cannot be read ends the read after three attempts.
unit handset
fail read 3 key=0x02A9
click ReadDeviceButton
expect-prompt "ERROR" "Fail to read pskey" type=1 buttons=OK focused=1
expect-no-prompt
expect Sim.reads 11
expect Sim.slept 1500
expect Log.count 3
expect MasterPageControl.active CradleTabSheet
expect Sim.open 0
