# Undo and redo from the system menu: one user action at a time, a run of spin steps as
# one, no rule or prompt on the way back, and nothing to undo right after start-up.
start
expect Window.undo 0
expect Window.redo 0

tab CradleTabSheet
click GWFindMeFunctionCheckBox
expect-prompt "Warning" "The Handset Earpiece Jack should not be used when this feature is enabled\nas it may cause hearing damage."
spin GWVOXTriggerLevelUpDown up 3
expect GWVOXTriggerLevelStaticText.text 73
expect Window.undo 1

undo
expect GWVOXTriggerLevelStaticText.text 70
expect GWFindMeFunctionCheckBox.checked 1
undo
expect GWFindMeFunctionCheckBox.checked 0
expect Window.undo 0
expect Window.redo 1
# Redo ticks it again without the warning.
redo
expect GWFindMeFunctionCheckBox.checked 1
expect-no-prompt

# The Kesto rule's changes come back whole with one undo, the edition with them.
click butModelKesto
expect GWFindMeFunctionCheckBox.enabled 1
expect GWMultiOperationalMicsCheckBox.checked 0
expect GWMultiOperationalMicsCheckBox.enabled 0
undo
expect butModelArdex.checked 1
expect GWMultiOperationalMicsCheckBox.checked 1
expect GWMultiOperationalMicsCheckBox.enabled 1

# A new action ends what there was to redo.
expect Window.redo 1
select GWRadioCORIOComboBox "Output"
expect Window.redo 0
undo
expect GWRadioCORFunctionComboBox.items "Disabled|Radio COR|Remote PTT|Find Me"
expect GWRadioCORPulseUpDown.enabled 0
