# An empty value, like a missing file or key, leaves everything alone.
exe "ZENTAUserProgrammer.exe"
ini ""
start
expect-no-prompt
expect-file "ZENTAUserProgrammer.INI" "[Setting]\r\nProgramVersion=\r\n"
