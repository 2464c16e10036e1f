# A listing that fails: no SPI port is kept, no message and no log line.
spi-ports "USB-SPI Adapter A" "SPITRANS=USB SPIPORT=A" result=-3
start
expect Transports.count 1
expect Log.count 3
wait 300
expect Window.caption "ZENTA User Programmer, v2.05A, Transport = \\\\.\\CSR0"
expect Transport.usb 1
expect-no-prompt
