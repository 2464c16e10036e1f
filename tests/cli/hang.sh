# zenta program --count on adapters whose library calls do not return within
# --call-timeout (every call of the simulated bench taking 3 s, the limit 1 s): the run
# says the adapter does not answer and ends, over one adapter or several, rather than
# wait for ever.
. "$(dirname "$0")/lib/common.sh"

settings_file batch.wpx 0012=12
"$ZENTA" sim latency 3000 >/dev/null

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

"$ZENTA" program --count 2 --call-timeout 1 --log record.jsonl batch.wpx >run.out 2>run.err &
run=$!
ends_within 20
[ "$code" = 8 ] || fail "exit $code, expected 8: $(cat run.err)"
expect_in run.err 'zenta program: the adapter does not answer: '
expect_in run.err ' has not returned in 1 s'
[ "$(cat run.out)" = "0 units: 0 programmed, 0 failed" ] || fail "summary: $(cat run.out)"

"$ZENTA" sim ports 'USB SPI A' 'SPITRANS=USB SPIPORT=1' >/dev/null
"$ZENTA" program --count 2 --transport all --call-timeout 1 batch.wpx >run.out 2>run.err &
run=$!
ends_within 20
[ "$code" = 8 ] || fail "exit $code, expected 8: $(cat run.err)"
[ "$(grep -c '\]  the adapter does not answer: .* has not returned in 1 s$' run.err)" = 2 ] ||
    fail "both adapters: $(cat run.err)"
expect_in run.out '  USB SPI A: 0 programmed, 0 failed, adapter failed'
expect_in run.out '  \\.\CSR0: 0 programmed, 0 failed, adapter failed'
