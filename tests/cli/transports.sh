# zenta transports, --transport, --backup and verify on a bench of two USB units and an
# SPI adapter.
. "$(dirname "$0")/lib/common.sh"

"$ZENTA" sim spi-ports 'USB SPI A,LPT1' 'SPITRANS=USB SPIPORT=1,SPITRANS=LPT' >/dev/null
"$ZENTA" sim attach gateway --transport 'SPITRANS=USB SPIPORT=1' >/dev/null
"$ZENTA" sim attach handset --transport '\\.\CSR1' --edition kesto >/dev/null

expect_exit 0 transports
expect_in out '0  USB SPI A  SPITRANS=USB SPIPORT=1'
expect_in out '1  \\.\CSR0   \\.\CSR0  (USB)'
expect_lines out 2
expect_exit 0 transports --json
expect_json out
expect_in out '{"index":1,"name":"\\\\.\\CSR0","transport":"\\\\.\\CSR0","usb":true}'

expect_exit 0 read --transport 0
expect_in out 'GW: V2.05 Ardex'
expect_exit 0 read --transport '\\.\CSR1'
expect_in out 'HS: V2.05 Kesto'
expect_exit 2 read --transport LPT1
expect_in err 'zenta read: unknown transport LPT1; the transports are: 0 USB SPI A, 1 \\.\CSR0'
expect_exit 2 program --transport 0 --transport 1 "$DATA/defaults.wpx"

settings_file batch.wpx 0012=12
expect_exit 1 verify --transport '\\.\CSR1' batch.wpx
expect_in out '  Out of Range Auto Turn Off Timer (in hours)  8 -> 12'
expect_exit 0 program --transport '\\.\CSR1' --backup backups batch.wpx
expect_in out 'programmed handset V2.05 Kesto'
expect_exit 0 verify --transport '\\.\CSR1' batch.wpx
backup=$(ls backups/*-CSR1-handset.wpx)
expect_exit 1 verify --transport '\\.\CSR1' "$backup"
expect_exit 0 program --transport '\\.\CSR1' "$backup"
expect_exit 0 verify --transport '\\.\CSR1' "$backup"
expect_exit 0 verify --transport 0 "$DATA/defaults.wpx"

touch taken
expect_exit 3 program --backup taken batch.wpx
expect_in err 'zenta program: cannot write backups to taken: not a folder'
