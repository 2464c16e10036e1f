# A cancelled dialog changes nothing and shows nothing.
start
spin AutoTurnOffTimerUpDown up 2
file "settings.wpx" "0012=3\r\n"
dialog cancel
click LoadFileButton
expect AutoTurnOffTimerUpDown.position 10
dialog cancel
click SaveFileButton
expect-file "settings.wpx" "0012=3\r\n"
expect-no-prompt
