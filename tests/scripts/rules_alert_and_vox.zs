# The alert tone volume can be set only with a fixed alert tone volume; the VOX trigger
# level only with VOX COR on. Disabled controls keep their values.
start
expect AlertToneVolumeUpDown.enabled 0
expect AlertToneVolumeStaticText.enabled 0
expect AlertToneVolumeLabel.enabled 0

click FixedAlertToneVolumeCheckBox
expect FixedAlertToneVolumeCheckBox.checked 1
expect AlertToneVolumeUpDown.enabled 1
expect AlertToneVolumeStaticText.enabled 1
expect AlertToneVolumeLabel.enabled 1
spin AlertToneVolumeUpDown down 2
expect AlertToneVolumeUpDown.position 3
expect AlertToneVolumeStaticText.text 3
# The spin stops at its ends.
spin AlertToneVolumeUpDown up 9
expect AlertToneVolumeUpDown.position 5
spin AlertToneVolumeUpDown down 2

click FixedAlertToneVolumeCheckBox
expect AlertToneVolumeUpDown.enabled 0
expect AlertToneVolumeStaticText.enabled 0
expect AlertToneVolumeLabel.enabled 0
expect AlertToneVolumeUpDown.position 3

# VOX is on after start-up.
tab CradleTabSheet
expect GWVOXTriggerLevelUpDown.enabled 1
expect GWVOXTriggerLevelStaticText.enabled 1
spin GWVOXTriggerLevelUpDown up 4
click GWVOXEnabledCORCheckBox
expect GWVOXEnabledCORCheckBox.checked 0
expect GWVOXTriggerLevelUpDown.enabled 0
expect GWVOXTriggerLevelStaticText.enabled 0
expect GWVOXTriggerLevelLabel.enabled 0
expect GWVOXTriggerLevelUpDown.position 74
# VOX COR does not touch the "Radio COR" line.
expect GWRadioCORIOComboBox.text Input
expect GWRadioCORFunctionComboBox.text "Radio COR"
click GWVOXEnabledCORCheckBox
expect GWVOXTriggerLevelLabel.enabled 1
expect GWVOXTriggerLevelUpDown.position 74
expect-no-prompt
