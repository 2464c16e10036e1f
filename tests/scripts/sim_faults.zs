# The bench commands a script shares with `zenta sim` and the state file, one vocabulary:
# every kind of unit `zenta sim attach` plugs in, and faults on the Kth call of any kind,
# on one transport or on all. The library's hangs and latencies pass on the script's clock.
clock 10:00:00.000
fail version 1
start
expect-log "TestEngine version = "

# A unit of the newer series, at factory settings.
attach tavin
click ReadDeviceButton
expect-prompt "ERROR" "This programmer is for Fennic series only. Please use version 3.xx for this ZENTA Tavin model."

# A factory handset whose first read hangs for 30 s and then fails; the program reads the
# unit type again after its 250 ms. A fault on another transport is not this unit's.
attach handset
fail open 1 --transport "\\\\.\\CSR1"
hang read --for 30000
click ReadDeviceButton
expect-prompt "NOTE" "Success to read ZENTA Handset settings."
expect Log.last "<10:00:30.25>| Read  - A700 0008 0DAC 0005 0000 0006 0009 0006 0009 0005 0000 0000 0000 0001 03E8 1000 3000 1800 0100 0140 0001 00C8 1000 0000 0000 "
expect Sim.reads 6

# A write that reports success and stores other words.
corrupt write 1
click ProgramDeviceButton
expect-prompt "NOTE" "Success writing ZENTA Handset settings.\nReset device?"
expect Sim.key.0x02AB "A700 0008 0DAC 0005 0000 0006 0009 0006 0009 0005 0000 0000 0000 0001 03E8 1000 3000 1800 0100 0140 0001 00C8 1000 0000 0001"

# The unit pulled once the unit-type read has been made: the record read finds nothing.
pull read --after 1
click ReadDeviceButton
expect-prompt "ERROR" "Fail to read ZENTA Handset settings."
expect Sim.key.0x02A9 absent
expect Sim.open 0
