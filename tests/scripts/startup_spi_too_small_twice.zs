# The listing asks for larger buffers, and then for larger ones still: there is no third
# call, and only the USB device is offered.
spi-ports "USB-SPI Adapter A,USB-SPI Adapter B" "SPITRANS=USB SPIPORT=A,SPITRANS=USB SPIPORT=B" need=20
start
expect Transports.count 1
expect Transports.0 "\\\\.\\CSR0|\\\\.\\CSR0"
wait 300
expect Window.caption "ZENTA User Programmer, v2.05A, Transport = \\\\.\\CSR0"
expect Transport.usb 1
