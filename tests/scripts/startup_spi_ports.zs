# SPI adapters: the first listing call answers "buffers too small, capacity 600" and the
# second, with 600-byte buffers, gives a transport list longer than the first buffers
# could hold. Pieces holding "LPT" are dropped from both lists, empty pieces too; the
# USB device comes last. The first usable adapter is chosen and the USB flag stays clear.
spi-ports "LPT1 (parallel port adapter),,USB-SPI Adapter (serial 0012A7),USB-SPI Adapter (serial 0012A8),Parallel port LPT2" "SPITRANS=LPT SPIPORT=1 SPIMUL=4 SPICLOCK=1000 SPISTALL=0 SPIMAXCLOCK=4000 SPIREADONLY=0,SPITRANS=USB SPIPORT=0012A7 SPIMUL=4 SPICLOCK=1000 SPISTALL=0 SPIMAXCLOCK=4000 SPIREADONLY=0,SPITRANS=USB SPIPORT=0012A8 SPIMUL=4 SPICLOCK=1000 SPISTALL=0 SPIMAXCLOCK=4000 SPIREADONLY=0,,SPITRANS=LPT SPIPORT=2 SPIMUL=4 SPICLOCK=1000 SPISTALL=0 SPIMAXCLOCK=4000 SPIREADONLY=0" need=600
start
expect Transports.count 3
expect Transports.0 "USB-SPI Adapter (serial 0012A7)|SPITRANS=USB SPIPORT=0012A7 SPIMUL=4 SPICLOCK=1000 SPISTALL=0 SPIMAXCLOCK=4000 SPIREADONLY=0"
expect Transports.1 "USB-SPI Adapter (serial 0012A8)|SPITRANS=USB SPIPORT=0012A8 SPIMUL=4 SPICLOCK=1000 SPISTALL=0 SPIMAXCLOCK=4000 SPIREADONLY=0"
expect Transports.2 "\\\\.\\CSR0|\\\\.\\CSR0"
wait 300
expect Window.caption "ZENTA User Programmer, v2.05A, Transport = USB-SPI Adapter (serial 0012A7)"
expect Transport.chosen 0
expect Transport.usb 0
expect-no-prompt
