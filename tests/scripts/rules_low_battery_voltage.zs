# The low battery voltage spin counts millivolts and shows volts with one decimal; it
# stops at 2.5 and 4.0.
start
expect LowBatteryBeepVoltageStaticText.text 3.5
spin LowBatteryBeepVoltageUpDown up
expect LowBatteryBeepVoltageUpDown.position 3600
expect LowBatteryBeepVoltageStaticText.text 3.6
spin LowBatteryBeepVoltageUpDown up 4
expect LowBatteryBeepVoltageStaticText.text 4.0
spin LowBatteryBeepVoltageUpDown up
expect LowBatteryBeepVoltageUpDown.position 4000
expect LowBatteryBeepVoltageStaticText.text 4.0
spin LowBatteryBeepVoltageUpDown down 14
expect LowBatteryBeepVoltageStaticText.text 2.6
spin LowBatteryBeepVoltageUpDown down 3
expect LowBatteryBeepVoltageUpDown.position 2500
expect LowBatteryBeepVoltageStaticText.text 2.5
click FactoryButton
expect LowBatteryBeepVoltageStaticText.text 3.5
