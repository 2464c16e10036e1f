# Two Ctrl-C during zenta program --count, while the units' writes hang (the simulated
# bench's hang; the call limit is far off): the run ends within 2 s of the second, over
# one adapter or several, and records every unit in hand as interrupted, its write asked
# for and not answered.
. "$(dirname "$0")/lib/common.sh"

A='SPITRANS=USB SPIPORT=1'
B='\\.\CSR0'
settings_file batch.wpx 0012=12

# hanging N: until the bench shows N adapters whose calls hang, at most 30 s.
hanging() {
    local i
    for i in $(seq 300); do
        if [ "$("$ZENTA" sim show | grep -c '^hung: ')" -ge "$1" ]; then return 0; fi
        sleep 0.1
    done
    fail "no call hangs; the run said: $(cat run.err)"
}
# interrupt_twice: Ctrl-C, and again a little later; the run must end within 2 s of the
# second.
interrupt_twice() {
    kill -INT "$run"
    sleep 0.3
    kill -INT "$run"
    local i
    for i in $(seq 40); do
        kill -0 "$run" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$run" 2>/dev/null && fail "the run went on after the second Ctrl-C: $(cat run.err)"
    code=0
    wait "$run" || code=$?
    [ "$code" = 130 ] || fail "exit $code, expected 130: $(cat run.err)"
}

"$ZENTA" sim hang write >/dev/null
"$ZENTA" program --count 3 --log record.jsonl batch.wpx >run.out 2>run.err &
run=$!
hanging 1
interrupt_twice
grep -qE '^[0-9:]{8}  1/3  -  -  -  interrupted: written unknown$' run.out || fail "unit line: $(cat run.out)"
expect_in run.out '1 unit: 0 programmed, 1 failed, interrupted'
grep -q '"result":"interrupted","written":"unknown"' record.jsonl || fail "record: $(cat record.jsonl)"
"$ZENTA" sim reset >/dev/null

"$ZENTA" sim spi-ports 'USB SPI A' "$A" >/dev/null
"$ZENTA" sim attach handset --transport "$A" >/dev/null
"$ZENTA" sim hang write --transport "$A" >/dev/null
"$ZENTA" sim hang write --transport "$B" >/dev/null
rm record.jsonl
"$ZENTA" program --count 4 --transport all --log record.jsonl batch.wpx >run.out 2>run.err &
run=$!
hanging 2
interrupt_twice
expect_in run.out '2 units: 0 programmed, 2 failed, interrupted'
[ "$(grep -c '  interrupted: written unknown$' run.out)" = 2 ] || fail "unit lines: $(cat run.out)"
[ "$(grep -c '"result":"interrupted","written":"unknown"' record.jsonl)" = 2 ] || fail "record: $(cat record.jsonl)"
