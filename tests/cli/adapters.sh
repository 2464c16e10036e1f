# zenta program --count over two adapters at once, a worker process each: units are
# numbered across both, every line names its adapter, the summary counts per adapter.
. "$(dirname "$0")/lib/common.sh"

A='SPITRANS=USB SPIPORT=1'
B='\\.\CSR0'

# attach KIND TRANSPORT: the run's workers save the same state file, under the lock that
# every change takes, so no attach is lost to them: it holds at once.
attach() {
    "$ZENTA" sim attach "$1" --transport "$2" >/dev/null
    "$ZENTA" sim show | grep -A1 -F "transport: $2" | grep -q "^unit: $1" || fail "cannot attach $1 on $2"
}

"$ZENTA" sim spi-ports 'USB SPI A' "$A" >/dev/null
"$ZENTA" sim latency 0 >/dev/null
settings_file batch.wpx 0012=12

expect_exit 2 program --count 2 --transport 1 --transport "$B" batch.wpx
expect_in err 'zenta program: --transport 1 and \\.\CSR0 name the same transport, \\.\CSR0'
expect_exit 2 program --count 2 --transport all --transport 0 batch.wpx
expect_exit 2 program --transport 0 --transport 1 batch.wpx

attach handset "$A"
attach gateway "$B"
"$ZENTA" program --count 4 --transport all --log record.jsonl batch.wpx >run.out 2>run.err &
run=$!
wait_for run.out '2/4'
wait_for run.out '1/4'
attach none "$A"
attach none "$B"
sleep 1.2  # a worker looks every 500 ms whether its unit went
attach handset "$A"
attach gateway "$B"
code=0
wait "$run" || code=$?
[ "$code" = 0 ] || fail "exit $code: $(cat run.out run.err)"
expect_lines run.out 7
[ "$(grep -c '^\[USB SPI A\]  [0-9:]\{8\}  [1-4]/4  handset  V2\.05  Ardex  ok$' run.out)" = 2 ] || fail "adapter A: $(cat run.out)"
[ "$(grep -c '^\[\\\\\.\\CSR0\]  [0-9:]\{8\}  [1-4]/4  gateway  V2\.05  Ardex  ok$' run.out)" = 2 ] || fail "adapter B: $(cat run.out)"
for number in 1 2 3 4; do expect_in run.out "  $number/4  "; done
expect_in run.out '4 units: 4 programmed, 0 failed'
expect_in run.out '  USB SPI A: 2 programmed, 0 failed'
expect_in run.out '  \\.\CSR0: 2 programmed, 0 failed'
"$ZENTA" log record.jsonl >log.out || fail "zenta log: exit $?"
grep -qx '4 units' log.out || fail "log: $(cat log.out)"
grep -qx '  2  USB SPI A' log.out || fail "log by adapter: $(cat log.out)"
grep -qxF '  2  \\.\CSR0' log.out || fail "log by adapter: $(cat log.out)"
expect_exit 0 log --check record.jsonl
expect_in out 'record.jsonl: intact: 4 entries chained'

# Ctrl-C while both wait for a unit ends every worker and the run with its summary.
attach none "$A"
attach none "$B"
"$ZENTA" program --count 2 --transport 0 --transport 1 batch.wpx >run.out 2>run.err &
run=$!
wait_for run.err 'Programming 2 units on 2 adapters'
sleep 0.5
kill -INT "$run"
code=0
wait "$run" || code=$?
[ "$code" = 130 ] || fail "exit $code after Ctrl-C, expected 130: $(cat run.err)"
expect_in run.out '0 units: 0 programmed, 0 failed, interrupted'
expect_in run.out '  USB SPI A: 0 programmed, 0 failed'
