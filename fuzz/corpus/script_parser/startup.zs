# Start-up: the caption and title, the start-up log lines, the first pages, the hidden
# developer view, and the timer's single tick that chooses the transport 300 ms after
# the window is shown. No SPI adapter: the USB device is the only transport.
clock 14:03:07.459
engine-version "TestEngine 3.1 (bench)"
start

expect Window.caption "ZENTA User Programmer, v2.05A"
expect Application.title "ZENTA User Programmer, v2.05A"
expect Window.clientheight 629
expect Window.closed 0

# The log holds its three lines before it is ever shown; hundredths are truncated.
expect InfoMemo.visible 0
expect Log.count 3
expect Log.1 "<14:03:07.45>| TestEngine version = TestEngine 3.1 (bench)"
expect Log.2 "<14:03:07.45>| sizeof(hs_xsettings_t)/int16 = 25"
expect Log.last "<14:03:07.45>| sizeof(gw_xsettings_t)/int16 = 25"
expect-log "TestEngine version = TestEngine 3.1 (bench)"

# The device buttons carry two-line captions; the others keep theirs.
expect ReadDeviceButton.caption "&READ\nDEVICE"
expect ProgramDeviceButton.caption "&PROGRAM\nDEVICE"
expect RestartButton.caption "RESTAR&T\nDEVICE"
expect LoadFileButton.caption "&LOAD FILE"
expect SaveFileButton.caption "&SAVE FILE"
expect FactoryButton.caption "&DEFAULTS"
expect ExitButton.caption "E&XIT"
expect grpModelBox.caption "Model"
expect HSSwVersionLabel.text ""
expect GWSwVersionLabel.caption ""

# The first pages, the Ardex edition, the developer view hidden.
expect MasterPageControl.active HandsetTabSheet
expect MasterPageControl.count 2
expect HandsetTabSheet.caption "Handset"
expect CradleTabSheet.caption "Gateway"
expect HandsetPageControl.active UserExperienceTabSheet
expect HandsetPageControl.count 4
expect CradlePageControl.active GWAudioLevelsTabSheet
expect butModelArdex.checked 1
expect butModelKesto.checked 0
expect AudioIntegrityStaticText.visible 0
expect AudioIntegrityUpDown.visible 0
expect AudioIntegrityLabel.visible 0

# The list is built; nothing is chosen before the tick.
expect Transports.count 1
expect Transports.0 "\\\\.\\CSR0|\\\\.\\CSR0"
expect Transport.chosen 0
expect Transport.usb 0
expect Timer1.enabled 1

wait 299
expect Window.caption "ZENTA User Programmer, v2.05A"
expect Transport.usb 0
wait 1
expect Timer1.enabled 0
expect Window.caption "ZENTA User Programmer, v2.05A, Transport = \\\\.\\CSR0"
expect Application.title "ZENTA User Programmer, v2.05A"
expect Transport.chosen 0
expect Transport.usb 1

# The tick comes once per run.
wait 5000
expect Window.caption "ZENTA User Programmer, v2.05A, Transport = \\\\.\\CSR0"
expect Log.count 3
expect-no-prompt
