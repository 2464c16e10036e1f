# A load runs the edition rule only for another edition, before the lines that follow,
# and the Find-Me warning only when the file ticks the box.
start
click butModelKesto
expect GWMultiOperationalMicsCheckBox.enabled 0
file "ardex.wpx" "9000=1\r\n"
dialog "ardex.wpx"
click LoadFileButton
expect butModelArdex.checked 1
expect GWMultiOperationalMicsCheckBox.enabled 1

file "kesto.wpx" "9000=0\r\n1002=1\r\n0041=30\r\n"
dialog "kesto.wpx"
click LoadFileButton
expect butModelKesto.checked 1
expect GWPublicAddressModeCheckBox.checked 1
expect GWPublicAddressModeCheckBox.enabled 0
expect TransmitTimeUpDown.position 30

file "findme.wpx" "1001=1\r\n"
dialog "findme.wpx"
click LoadFileButton
expect-prompt "Warning" "The Handset Earpiece Jack should not be used when this feature is enabled\nas it may cause hearing damage." type=0 buttons=OK
expect GWFindMeFunctionCheckBox.checked 1
dialog "findme.wpx"
click LoadFileButton
expect-no-prompt
