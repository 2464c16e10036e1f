# LF line ends load as CR LF ones do.
start
file "lf.wpx" "0012=3\n0014=7\n0039=2\n"
dialog "lf.wpx"
click LoadFileButton
expect AutoTurnOffTimerUpDown.position 3
expect LowBatteryBeepIntervalTimerUpDown.position 7
expect AlertToneVolumeUpDown.position 2

file "crlf.wpx" "0012=4\r\n0014=8\r\n0039=1\r\n"
dialog "crlf.wpx"
click LoadFileButton
expect AutoTurnOffTimerUpDown.position 4
expect LowBatteryBeepIntervalTimerUpDown.position 8
expect AlertToneVolumeUpDown.position 1
expect-no-prompt
