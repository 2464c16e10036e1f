# The picture's modifier clicks: Shift shows or hides the Audio Integrity controls,
# Control the log, with the client height 744 while it shows and 650 after.
start
click MainImage
expect AudioIntegrityUpDown.visible 0
expect InfoMemo.visible 0
expect Window.clientheight 629

click MainImage lshift
expect AudioIntegrityStaticText.visible 1
expect AudioIntegrityUpDown.visible 1
expect AudioIntegrityLabel.visible 1
expect InfoMemo.visible 0
expect Window.clientheight 629
# Visible again, the setting can be changed.
spin AudioIntegrityUpDown up 5
expect AudioIntegrityStaticText.text 205

click MainImage rctrl
expect InfoMemo.visible 1
expect Window.clientheight 744
# The log shows the start-up lines it already held.
expect InfoMemo.count 3
expect InfoMemo.text "<12:00:00.00>| TestEngine version = TestEngine (simulated) 1.0\n<12:00:00.00>| sizeof(hs_xsettings_t)/int16 = 25\n<12:00:00.00>| sizeof(gw_xsettings_t)/int16 = 25"

click MainImage lctrl
expect InfoMemo.visible 0
expect Window.clientheight 650

# Both keys: both toggle in one click.
click MainImage rshift lctrl
expect AudioIntegrityUpDown.visible 0
expect InfoMemo.visible 1
expect Window.clientheight 744

# The keys were held only for their click.
click MainImage
expect InfoMemo.visible 1
expect AudioIntegrityUpDown.visible 0

# Two Control clicks: hidden again at 650, not back at 629.
click MainImage rctrl
click MainImage rctrl
click MainImage lctrl
expect InfoMemo.visible 0
expect Window.clientheight 650

# Hidden, the setting keeps its value and takes part in the defaults.
expect AudioIntegrityUpDown.position 205
click FactoryButton
expect AudioIntegrityUpDown.position 200
expect-no-prompt
