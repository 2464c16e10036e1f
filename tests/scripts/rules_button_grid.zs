# A button with a press-and-hold action has no short or long press: both are forced to
# "(Disabled)" and locked. The "Right 1" row is always locked; "Acc PTT" always has a
# press-and-hold action.
start
tab HandsetTabSheet

# After start-up.
expect AccPTTShortPressComboBox.enabled 0
expect AccPTTLongPressComboBox.enabled 0
expect PTTShortPressComboBox.enabled 0
expect Top1ShortPressComboBox.enabled 0
expect Top1LongPressComboBox.enabled 0
expect Top2LongPressComboBox.enabled 0
expect Left1ShortPressComboBox.enabled 1
expect Left1LongPressComboBox.enabled 1
expect Left2ShortPressComboBox.enabled 1
expect Right1PressAndHoldComboBox.enabled 0
expect Right1ShortPressComboBox.enabled 0
expect Right1LongPressComboBox.enabled 0
expect Left1PressAndHoldComboBox.enabled 1

# A press-and-hold action on "Left 1" takes its short press "Volume Up" away.
select Left1LongPressComboBox "HF On/Off"
select Left1PressAndHoldComboBox "Radio PTT"
expect Left1ShortPressComboBox.text "(Disabled)"
expect Left1ShortPressComboBox.index 0
expect Left1ShortPressComboBox.enabled 0
expect Left1LongPressComboBox.text "(Disabled)"
expect Left1LongPressComboBox.enabled 0

# Back to "(Disabled)": the cells unlock and still show "(Disabled)".
select Left1PressAndHoldComboBox 0
expect Left1ShortPressComboBox.enabled 1
expect Left1ShortPressComboBox.text "(Disabled)"
expect Left1LongPressComboBox.enabled 1
expect Left1LongPressComboBox.text "(Disabled)"
select Left1ShortPressComboBox "HF On/Off"
expect Left1ShortPressComboBox.index 6

# "Top 1" loses its press-and-hold action; a short press can be given, and is forced
# back when an action returns.
select Top1PressAndHoldComboBox "(Disabled)"
expect Top1ShortPressComboBox.enabled 1
select Top1ShortPressComboBox "Aux 2"
select Top1LongPressComboBox "On / Off"
select Top1PressAndHoldComboBox "Talk Around PTT"
expect Top1ShortPressComboBox.text "(Disabled)"
expect Top1LongPressComboBox.text "(Disabled)"
expect Top1ShortPressComboBox.enabled 0

# "PTT" without a press-and-hold action; "Acc PTT" switches between its two actions.
select PTTPressAndHoldComboBox "(Disabled)"
expect PTTShortPressComboBox.enabled 1
expect PTTLongPressComboBox.enabled 1
select AccPTTPressAndHoldComboBox "Talk Around PTT"
expect AccPTTShortPressComboBox.enabled 0
expect AccPTTLongPressComboBox.enabled 0

# "Right 1" stays locked, also after DEFAULTS.
click FactoryButton
expect Right1PressAndHoldComboBox.enabled 0
expect Right1ShortPressComboBox.enabled 0
expect Right1LongPressComboBox.enabled 0
expect Right1LongPressComboBox.text "On / Off"
expect Left1ShortPressComboBox.enabled 1
expect PTTShortPressComboBox.enabled 0
expect-no-prompt
