# The simulated unit on the programming link: what each `unit` command puts there, the
# keys it holds, faults injected into the next calls, and the counters over the whole
# script. The transport timer falls due while READ DEVICE waits between retries and
# ticks as soon as the click returns, as the message loop would.
start
expect Sim.opens 0
unit handset
expect Sim.key.0x02A9 "AB02"
expect Sim.key.0x02AD "0205"
expect Sim.key.0x02AB absent
pskey 0x02AB 0xA700 8 3500
expect Sim.key.0x02AB "A700 0008 0DAC"
pskey-absent 0x02AB
expect Sim.key.0x02AB absent
pskey 0x02AA
expect Sim.key.0x02AA ""

# The unit type cannot be read: three attempts with 250, 500 and 750 ms between them.
fail read 3 key=0x02A9
click ReadDeviceButton
expect-prompt "ERROR" "Fail to read pskey" type=1 buttons=OK focused=1
expect Sim.slept 1500
expect Sim.reads 3
expect Sim.opens 2
expect Sim.closes 2
expect Sim.open 0
expect Window.caption "ZENTA User Programmer, v2.05A, Transport = \\\\.\\CSR0"

# A handset with its record; the next read reports 27 words, more than the unit holds.
pskey 0x02AB 0xA700 0x0008 0x0DAC 0x0005 0x0000 0x0006 0x0009 0x0006 0x0009 0x0005 0x0000 0x0000 0x0000 0x0001 0x03E8 0x1000 0x3000 0x1800 0x0100 0x0140 0x0001 0x00C8 0x1000 0x0000 0x0000
read-length 27 key=0x02AB
click ReadDeviceButton
expect-log "HS: V2.05 Ardex"
expect-log "Read  - A700 0008 0DAC 0005 0000 0006 0009 0006 0009 0005 0000 0000 0000 0001 03E8 1000 3000 1800 0100 0140 0001 00C8 1000 0000 0000 0000 0000 "
expect-prompt "NOTE" "Success to read ZENTA Handset settings." type=2
expect HSSwVersionLabel.caption "HS: V2.05 Ardex"
expect Sim.reads 6

# RESTART DEVICE reaches the unit; with nothing on the link it reaches none, silently.
click RestartButton
expect Sim.restarts 1
unit none
click RestartButton
expect Sim.restarts 1
expect Sim.open 0
expect-no-prompt

# A gateway of the Kesto edition whose first open fails.
unit gateway type=0xFE01 version=0x1A3C
expect Sim.key.0x02A9 "FE01"
fail open 1
click ReadDeviceButton
expect-prompt "ERROR" "ZENTA not detected. Check cables and ensure ZENTA is in programming mode."
expect-no-prompt

# A unit with another chip ends the program.
unit handset chip="BC05-MM"
click ReadDeviceButton
expect-prompt "ERROR" "The chip is not CSR 8670. This program will terminate."
expect Window.closed 1
expect Sim.open 0
