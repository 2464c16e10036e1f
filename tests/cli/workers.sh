# zenta program --count over two adapters when the bench misbehaves: the settings file is
# changed while the run goes on, and a worker is ended right after its unit's write. The
# workers program the bytes the run checked, and the unit of the ended worker still gets
# its record entry, saying it was written.
. "$(dirname "$0")/lib/common.sh"

A='SPITRANS=USB SPIPORT=1'
B='\\.\CSR0'
"$ZENTA" sim spi-ports 'USB SPI A' "$A" >/dev/null
"$ZENTA" sim attach none --transport "$B" >/dev/null

# hanging: until the bench shows a call that hangs, at most 30 s.
hanging() {
    local i
    for i in $(seq 300); do
        if "$ZENTA" sim show | grep -q '^hung: '; then return 0; fi
        sleep 0.1
    done
    fail "no call hangs; the run said: $(cat run.err)"
}

# The file changes after the run checked it, before any unit is on: the workers program
# what was checked, and the record names its digest.
settings_file batch.wpx 0012=12
sha=$(sha256sum batch.wpx | cut -d' ' -f1)
"$ZENTA" program --count 2 --transport all --log record.jsonl batch.wpx >run.out 2>run.err &
run=$!
wait_for run.err 'Programming 2 units on 2 adapters'
settings_file batch.wpx 0012=3
"$ZENTA" sim attach handset --transport "$A" >/dev/null
"$ZENTA" sim attach handset --transport "$B" >/dev/null
code=0
wait "$run" || code=$?
[ "$code" = 0 ] || fail "exit $code: $(cat run.out run.err)"
[ "$("$ZENTA" sim show | grep -c '^  0x02AB (25 words): A700 000C ')" = 2 ] ||
    fail "the units do not hold the checked file's timer 12: $("$ZENTA" sim show)"
[ "$(grep -c "\"sha256\":\"$sha\"" record.jsonl)" = 2 ] || fail "record: $(cat record.jsonl)"

# A worker ended while its unit's record is read back, after the write (the read-back,
# the unit's third read, hangs): the run records the unit as written, counts it failed
# and names the adapter failed.
"$ZENTA" sim attach none --transport "$B" >/dev/null
"$ZENTA" sim attach handset --transport "$A" >/dev/null
"$ZENTA" sim hang read --after 2 --transport "$A" >/dev/null
rm -f record.jsonl
"$ZENTA" program --count 1 --transport all --log record.jsonl batch.wpx >run.out 2>run.err &
run=$!
hanging
worker=$(ps -o pid=,args= --ppid "$run" | grep -F -- '--transport 0' | awk '{print $1}')
[ -n "$worker" ] || fail "no worker of adapter 0: $(ps -o pid=,args= --ppid "$run")"
kill -KILL "$worker"
code=0
wait "$run" || code=$?
[ "$code" = 8 ] || fail "exit $code: $(cat run.out run.err)"
expect_in run.err '[USB SPI A]  ended while programming a unit: exit code 137'
grep -qE '^\[USB SPI A\]  [0-9:]{8}  1/1  -  -  -  worker ended: written yes$' run.out || fail "unit line: $(cat run.out)"
expect_in run.out '1 unit: 0 programmed, 1 failed'
grep -q '"adapter":"USB SPI A",.*"result":"worker ended","written":"yes","verification":"not reached"' record.jsonl ||
    fail "record: $(cat record.jsonl)"
"$ZENTA" sim clear >/dev/null
