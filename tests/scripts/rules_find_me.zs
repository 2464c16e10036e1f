# Ticking Find-Me warns about the earpiece jack; the tick stays on whatever closes the
# warning. Unticking says nothing.
start
tab CradleTabSheet
click GWFindMeFunctionCheckBox
expect GWFindMeFunctionCheckBox.checked 1
expect-prompt "Warning" "The Handset Earpiece Jack should not be used when this feature is enabled\nas it may cause hearing damage." type=0 buttons=OK focused=1
click GWFindMeFunctionCheckBox
expect GWFindMeFunctionCheckBox.checked 0
expect-no-prompt

# Escape does not answer the warning; the close button does.
answer escape close
click GWFindMeFunctionCheckBox
expect GWFindMeFunctionCheckBox.checked 1
expect-prompt "Warning" "The Handset Earpiece Jack should not be used when this feature is enabled\nas it may cause hearing damage."

# DEFAULTS unticks it, silently.
click FactoryButton
expect GWFindMeFunctionCheckBox.checked 0
expect-no-prompt
