# READ DEVICE then PROGRAM DEVICE gives the unit its record back, apart from the reserved
# words, the flag bits that carry no setting and the high byte of the receive gain.
start
unit handset version=0x0206
pskey 0x02AB 0x4007 0x0018 0x0FA0 0x000A 0xFFE8 0x000C 0xFFF4 0x0003 0x000C 0x0002 0x00FF 0x003C 0x002D 0x000A 0x09C4 0x1800 0x0187 0x0209 0x0141 0x1000 0x0108 0x00FF 0x1800 0x1234 0xFFFF
click ReadDeviceButton
expect-prompt "NOTE" "Success to read ZENTA Handset settings."
click ProgramDeviceButton
expect-prompt "NOTE" "Success writing ZENTA Handset settings.\nReset device?"
expect Sim.key.0x02AB "4000 0018 0FA0 000A FFE8 000C FFF4 0003 000C 0002 00FF 003C 002D 000A 09C4 1800 0187 0209 0141 1000 0108 00FF 1800 0000 0000"

unit gateway
pskey 0x02AA 0xA3FF 0xFFF4 0xFFF7 0x0006 0x0037 0xC001 0x0000 0x4003 0x0000 0xC003 0x00FA 0x8004 0x05DC 0xC008 0x0000 0xC007 0x0000 0x8005 0x7530 0xC000 0x0000 0x8002 0x0000 0x00AA 0x5500
click ReadDeviceButton
expect-prompt "NOTE" "Success to read ZENTA Gateway settings."
click ProgramDeviceButton
expect-prompt "NOTE" "Success writing ZENTA Gateway settings.\nReset device?"
expect-no-prompt
expect Sim.key.0x02AA "A000 FFF4 00F7 0006 0037 C001 0000 4003 0000 C003 00FA 8004 05DC C008 0000 C007 0000 8005 7530 C000 0000 8002 0000 0000 0000"
expect Sim.reads 10
expect Sim.writes 2
expect Sim.opens 8
expect Sim.closes 8
expect Sim.open 0
