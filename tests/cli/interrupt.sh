# Two Ctrl-C during zenta program --count, while units are being programmed (every call
# of the simulated bench taking 1 s): the run ends within 2 s of the second, over one
# adapter or several, and records every unit in hand as interrupted, with `written` as
# it stood.
. "$(dirname "$0")/lib/common.sh"

A='SPITRANS=USB SPIPORT=1'
B='\\.\CSR0'
settings_file batch.wpx 0012=12

# reads TRANSPORT: the key reads the bench has counted on the transport, each as it begins.
reads() {
    "$ZENTA" sim show | grep -F -A8 "transport: $1" |
        sed -n 's/^calls on this transport: .* reads \([0-9]*\),.*/\1/p' | head -1
}
# interrupt_twice TRANSPORT...: once every transport's unit is being read, Ctrl-C, and
# again a little later; the run must end within 2 s of the second.
interrupt_twice() {
    local transport i
    for transport in "$@"; do
        for i in $(seq 300); do
            [ "$(reads "$transport")" -gt 0 ] && break
            sleep 0.1
        done
    done
    kill -INT "$run"
    sleep 0.3
    kill -INT "$run"
    local start=$SECONDS
    for i in $(seq 40); do
        kill -0 "$run" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$run" 2>/dev/null && fail "the run went on after the second Ctrl-C: $(cat run.err)"
    code=0
    wait "$run" || code=$?
    [ "$code" = 130 ] || fail "exit $code, expected 130: $(cat run.err)"
    [ $((SECONDS - start)) -le 2 ] || fail "the run took $((SECONDS - start)) s to end"
}
# interrupted_entries: the record's entries of interrupted units written no or unknown.
interrupted_entries() { grep -cE '"result":"interrupted","written":"(no|unknown)"' record.jsonl || true; }

"$ZENTA" sim latency 1000 >/dev/null
"$ZENTA" program --count 3 --log record.jsonl batch.wpx >run.out 2>run.err &
run=$!
interrupt_twice "$B"
grep -qE '^[0-9:]{8}  1/3  -  -  -  interrupted: written (no|unknown)$' run.out || fail "unit line: $(cat run.out)"
expect_in run.out '1 unit: 0 programmed, 1 failed, interrupted'
[ "$(interrupted_entries)" = 1 ] || fail "record: $(cat record.jsonl)"

"$ZENTA" sim ports 'USB SPI A' "$A" >/dev/null
"$ZENTA" sim attach handset --transport "$A" >/dev/null
rm record.jsonl
"$ZENTA" program --count 4 --transport all --log record.jsonl batch.wpx >run.out 2>run.err &
run=$!
interrupt_twice "$A" "$B"
expect_in run.out '2 units: 0 programmed, 2 failed, interrupted'
[ "$(grep -c '  interrupted: written ' run.out)" = 2 ] || fail "unit lines: $(cat run.out)"
[ "$(interrupted_entries)" = 2 ] || fail "record: $(cat record.jsonl)"
