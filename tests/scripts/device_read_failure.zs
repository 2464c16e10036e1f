# A record that cannot be read after three attempts leaves the settings on show as they
# were: the unit's page, version and edition are shown, the failure is reported and its
# read line logged, and the user's unsaved edits stay instead of an all-zero record.
start
click MuteSpeakerOnPTTCheckBox
spin InternalMicGainUpDown up 4
expect InternalMicGainUpDown.position 12
tab CradleTabSheet
unit handset type=0xAB01
pskey 0x02AB 0xA700 0x0008 0x0DAC 0x0005 0x0000 0x0006 0x0009 0x0006 0x0009 0x0005 0x0000 0x0000 0x0000 0x0001 0x03E8 0x1000 0x3000 0x1800 0x0100 0x0140 0x0001 0x00C8 0x1000 0x0000 0x0000
fail read 3 key=0x02AB
click ReadDeviceButton
expect-prompt "ERROR" "Fail to read ZENTA Handset settings." type=1 buttons=OK focused=1
expect-no-prompt
expect Sim.reads 5
expect Sim.slept 1500
expect MasterPageControl.active HandsetTabSheet
expect HSSwVersionLabel.caption "HS: V2.05 Kesto"
expect butModelKesto.checked 1
expect-log "HS: V2.05 Kesto"
expect Log.last "<12:00:01.50>| Read  - "
expect MuteSpeakerOnPTTCheckBox.checked 1
expect InternalMicGainUpDown.position 12
expect TATalkPermitToneCheckBox.checked 1
expect PTTPressAndHoldComboBox.text "Radio PTT"
expect Sim.open 0

# The same for a gateway; two failures and the read then succeeds after 750 ms.
unit gateway
pskey 0x02AA 0x6000 0x0009 0x0003 0x0000 0x0046 0xC001 0x0000 0xC002 0x0000 0x0001 0x0000 0x0002 0x0000 0x0003 0x0000 0xC004 0x01F4 0xC005 0x01F4 0x8008 0x0000 0x8006 0x0000 0x0000 0x0000
fail read 3 key=0x02AA
click GWFindMeFunctionCheckBox
expect-prompt "Warning" "The Handset Earpiece Jack should not be used when this feature is enabled\nas it may cause hearing damage."
click ReadDeviceButton
expect-prompt "ERROR" "Fail to read ZENTA Gateway settings."
expect GWSwVersionLabel.caption "GW: V2.05 Ardex"
expect HSSwVersionLabel.caption ""
expect butModelArdex.checked 1
expect GWFindMeFunctionCheckBox.checked 1
expect Sim.slept 3000
fail read 2 key=0x02AA
click ReadDeviceButton
expect-prompt "NOTE" "Success to read ZENTA Gateway settings."
expect-no-prompt
expect GWFindMeFunctionCheckBox.checked 0
expect Sim.slept 3750
expect Sim.open 0
