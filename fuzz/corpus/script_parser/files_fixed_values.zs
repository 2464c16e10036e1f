# The "Radio PTT" line reads as its fixed values whatever the file holds; a press-and-hold
# index outside its list leaves no selection, which the final refresh reports.
start
file "odd.wpx" "1011=0\r\n1012=1\r\n1013=5\r\n1014=300\r\n0015=9\r\n1020=7\r\n"
dialog "odd.wpx"
click LoadFileButton
expect GWRadioPTTIOComboBox.text "Output"
expect GWRadioPTTActiveComboBox.text "Low"
expect GWRadioPTTFunctionComboBox.text "Radio PTT"
expect GWRadioPTTPulseUpDown.position 0
expect PTTPressAndHoldComboBox.index -1
expect-prompt "ERROR" "Text '' is not matched in MapComboBoxToHSKeyPress()!" type=1 buttons=OK
expect PTTShortPressComboBox.enabled 1
expect PTTLongPressComboBox.enabled 1
expect-no-prompt
