# A program settings file left by another version is moved aside under a name that
# carries that version, replacing a file of that name, and a NOTE says so. The
# executable is given by a relative path, so the note shows the paths as given.
exe "ZENTAUserProgrammer.exe"
ini "v2.04"
file "ZENTAUserProgrammer_v2.04.INI" "left from an older move"
start
expect-prompt "NOTE" "'ZENTAUserProgrammer.INI' is saved as\n\n'ZENTAUserProgrammer_v2.04.INI'" type=2 buttons=OK focused=1
expect-no-prompt
expect-no-file "ZENTAUserProgrammer.INI"
expect-file "ZENTAUserProgrammer_v2.04.INI" "[Setting]\r\nProgramVersion=v2.04\r\n"
# The check runs before the transport list and the defaults: start-up goes on as usual.
expect Log.count 3
expect AutoTurnOffTimerUpDown.position 8
wait 300
expect Window.caption "ZENTA User Programmer, v2.05A, Transport = \\\\.\\CSR0"
