# The version comparison is exact: V2.05A is another version than v2.05A. The note is
# answered with the title bar's close button, which changes nothing.
exe "bin/ZENTAUserProgrammer.exe"
ini-file "[setting]\nprogramversion = V2.05A\n"
answer close
start
expect-prompt "NOTE" "'bin/ZENTAUserProgrammer.INI' is saved as\n\n'bin/ZENTAUserProgrammer_V2.05A.INI'"
expect-no-file "bin/ZENTAUserProgrammer.INI"
expect-file "bin/ZENTAUserProgrammer_V2.05A.INI" "[setting]\nprogramversion = V2.05A\n"
