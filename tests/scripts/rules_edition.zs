# The two editions. Kesto unticks and locks the emergency alert tone, the multi
# operational mics and the public address mode, and puts 0, 0 and 1 into the emergency
# timing boxes, which are the spins' values. Ardex unlocks them and brings nothing back.
start
expect butModelArdex.caption "Ardex"
expect GWMultiOperationalMicsCheckBox.checked 1
click GWEmergencyAlertToneCheckBox
click GWPublicAddressModeCheckBox
spin TransmitTimeUpDown up 12
spin ReceiveTimeUpDown up 7
spin EmergencyRepeatCyclesUpDown up 4
expect TransmitTimeStaticText.text 12
expect EmergencyRepeatCyclesUpDown.position 5

click butModelKesto
expect butModelKesto.checked 1
expect butModelArdex.checked 0
expect GWEmergencyAlertToneCheckBox.checked 0
expect GWEmergencyAlertToneCheckBox.enabled 0
expect GWMultiOperationalMicsCheckBox.checked 0
expect GWMultiOperationalMicsCheckBox.enabled 0
expect GWPublicAddressModeCheckBox.checked 0
expect GWPublicAddressModeCheckBox.enabled 0
expect GWFindMeFunctionCheckBox.enabled 1
expect TransmitAudibleEmergencyToneCheckBox.enabled 1
expect TransmitTimeStaticText.text 0
expect TransmitTimeStaticText.enabled 0
expect TransmitTimeLabel.enabled 0
expect TransmitTimeUpDown.position 0
expect ReceiveTimeUpDown.position 0
expect ReceiveTimeStaticText.enabled 0
expect EmergencyRepeatCyclesUpDown.position 1
expect EmergencyRepeatCyclesStaticText.text 1
expect EmergencyRepeatCyclesLabel.enabled 0

# The spins stay usable: a click moves on from the number shown.
expect TransmitTimeUpDown.enabled 1
spin TransmitTimeUpDown up
expect TransmitTimeUpDown.position 1
expect TransmitTimeStaticText.text 1

# Gateway defaults under Kesto leave the multi operational mics alone.
tab CradleTabSheet
click FactoryButton
expect GWMultiOperationalMicsCheckBox.checked 0
expect GWMultiOperationalMicsCheckBox.enabled 0

# Back to Ardex: everything usable again, no tick and no time comes back.
click butModelArdex
expect butModelArdex.checked 1
expect butModelKesto.checked 0
expect GWEmergencyAlertToneCheckBox.enabled 1
expect GWEmergencyAlertToneCheckBox.checked 0
expect GWMultiOperationalMicsCheckBox.enabled 1
expect GWMultiOperationalMicsCheckBox.checked 0
expect GWPublicAddressModeCheckBox.enabled 1
expect GWPublicAddressModeCheckBox.checked 0
expect TransmitTimeStaticText.enabled 1
expect TransmitTimeLabel.enabled 1
expect ReceiveTimeLabel.enabled 1
expect EmergencyRepeatCyclesStaticText.enabled 1
expect TransmitTimeUpDown.position 1
expect ReceiveTimeUpDown.position 0

# A click on the edition already selected does nothing.
click butModelArdex
expect butModelArdex.checked 1

# Gateway defaults under Ardex tick the multi operational mics.
click FactoryButton
expect GWMultiOperationalMicsCheckBox.checked 1
expect-no-prompt
