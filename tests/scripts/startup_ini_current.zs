# A program settings file of this version is only read: no move, no note.
exe "ZENTAUserProgrammer.exe"
ini "v2.05A"
start
expect-no-prompt
expect-file "ZENTAUserProgrammer.INI" "[Setting]\r\nProgramVersion=v2.05A\r\n"
expect-no-file "ZENTAUserProgrammer_v2.05A.INI"
