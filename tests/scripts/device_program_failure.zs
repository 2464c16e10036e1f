# A write that keeps failing is reported after three attempts and 1.5 s of waits; its
# "Write - " line is logged before the first attempt. Two failures and a success need
# 750 ms of waits and end with the restart question.
start
unit handset
fail write 3
click ProgramDeviceButton
expect Log.last "<12:00:00.00>| Write - A700 0008 0DAC 0005 0000 0006 0009 0006 0009 0005 0000 0000 0000 0001 03E8 1000 3000 1800 0100 0140 0001 00C8 1000 0000 0000 "
expect-prompt "ERROR" "Fail to write ZENTA Handset settings." type=1 buttons=OK focused=1
expect-no-prompt
expect Sim.writes 3
expect Sim.slept 1500
expect Sim.key.0x02AB absent
expect Sim.restarts 0
expect Sim.open 0

tab CradleTabSheet
unit gateway
fail write 3
click ProgramDeviceButton
expect-prompt "ERROR" "Fail to write ZENTA Gateway settings."
expect Sim.key.0x02AA absent
fail write 2
click ProgramDeviceButton
expect-prompt "NOTE" "Success writing ZENTA Gateway settings.\nReset device?"
expect-no-prompt
expect Sim.writes 9
expect Sim.slept 3750
expect Sim.key.0x02AA "6000 0009 0003 0000 0046 C001 0000 C002 0000 0001 0000 0002 0000 0003 0000 C004 01F4 C005 01F4 8008 0000 8006 0000 0000 0000"
expect Sim.open 0
