# zenta program --count with an adapter whose library call does not return (the
# simulated bench's hang): once --call-timeout is past the run says the adapter does not
# answer and records the unit in hand as far as its write got. Over one adapter the run
# ends; over several, the run ends that adapter's worker and the other adapters go on,
# here with a unit put on at once in place of the last.
. "$(dirname "$0")/lib/common.sh"

A='SPITRANS=USB SPIPORT=1'
B='\\.\CSR0'
settings_file batch.wpx 0012=12

# ends_within SECONDS: the run $run ends within SECONDS; its exit code in $code.
ends_within() {
    local i
    for i in $(seq $(($1 * 10))); do
        if ! kill -0 "$run" 2>/dev/null; then
            code=0
            wait "$run" || code=$?
            return 0
        fi
        sleep 0.1
    done
    kill -KILL "$run"
    fail "the run went on for $1 s: $(cat run.err)"
}

"$ZENTA" sim hang write >/dev/null
"$ZENTA" program --count 2 --call-timeout 1 --log record.jsonl batch.wpx >run.out 2>run.err &
run=$!
ends_within 20
[ "$code" = 8 ] || fail "exit $code, expected 8: $(cat run.err)"
expect_in run.err 'zenta program: the adapter does not answer: EngineWriteKey has not returned in 1 s'
grep -qE '^[0-9:]{8}  1/2  -  -  -  no answer: written unknown$' run.out || fail "unit line: $(cat run.out)"
[ "$(tail -1 run.out)" = "1 unit: 0 programmed, 1 failed" ] || fail "summary: $(cat run.out)"
grep -q '"result":"no answer","written":"unknown"' record.jsonl || fail "record: $(cat record.jsonl)"
"$ZENTA" sim reset >/dev/null

"$ZENTA" sim spi-ports 'USB SPI A' "$A" >/dev/null
"$ZENTA" sim attach handset --transport "$A" >/dev/null
"$ZENTA" sim hang open --transport "$A" >/dev/null
"$ZENTA" program --count 2 --transport all --call-timeout 1 batch.wpx >run.out 2>run.err &
run=$!
wait_for run.out '[\\.\CSR0]  '
"$ZENTA" sim attach handset --transport "$B" >/dev/null
ends_within 20
[ "$code" = 8 ] || fail "exit $code, expected 8: $(cat run.err)"
expect_in run.err '[USB SPI A]  the adapter does not answer: EngineOpenSpi has not returned in 1 s'
[ "$(grep -c '^\[\\\\\.\\CSR0\]  [0-9:]\{8\}  [12]/2  handset  V2\.05  Ardex  ok$' run.out)" = 2 ] ||
    fail "the adapter that answers: $(cat run.out)"
expect_in run.out '2 units: 2 programmed, 0 failed'
expect_in run.out '  USB SPI A: 0 programmed, 0 failed, adapter failed'
