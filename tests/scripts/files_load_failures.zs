# A file that cannot be opened gives the plain message and changes nothing; an empty
# file changes no setting either.
start
spin AutoTurnOffTimerUpDown down 3
dialog "nothing.wpx"
click LoadFileButton
expect-message "The file could not be opened"
expect AutoTurnOffTimerUpDown.position 5

file "empty.wpx" ""
dialog "empty.wpx"
click LoadFileButton
expect AutoTurnOffTimerUpDown.position 5
expect butModelArdex.checked 1
expect-no-prompt
