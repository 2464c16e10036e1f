# Parallel-port adapters are never offered: with only those, the USB device is chosen.
spi-ports "LPT1,LPT2" "SPITRANS=LPT SPIPORT=1,SPITRANS=LPT SPIPORT=2"
start
expect Transports.count 1
wait 300
expect Window.caption "ZENTA User Programmer, v2.05A, Transport = \\\\.\\CSR0"
expect Transport.usb 1
