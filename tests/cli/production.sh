# zenta program --count: a production run over three units plugged in one after the
# other, the second of which fails its write; and a run ended by Ctrl-C.
. "$(dirname "$0")/lib/common.sh"

# plug N KIND [EDITION]: when the run waits for unit N, that unit is plugged in; once its
# line is out, it is taken away again.
plug() {
    wait_for run.err "Waiting for unit $1 of 3"
    "$ZENTA" sim attach "$2" --edition "${3:-ardex}" >/dev/null
    wait_for run.out "  $1/3  "
    "$ZENTA" sim attach none >/dev/null
}

settings_file batch.wpx 0012=12
"$ZENTA" sim attach none >/dev/null
"$ZENTA" program --count 3 --log record.jsonl batch.wpx >run.out 2>run.err &
run=$!
plug 1 handset
"$ZENTA" sim fail write 3 >/dev/null
plug 2 handset
plug 3 gateway kesto
code=0
wait "$run" || code=$?
[ "$code" = 8 ] || fail "exit $code, expected 8: $(cat run.err)"
expect_lines run.out 4
grep -qE '^[0-9]{2}:[0-9]{2}:[0-9]{2}  1/3  handset  V2\.05  Ardex  ok$' run.out || fail "unit 1: $(cat run.out)"
grep -qE '^[0-9]{2}:[0-9]{2}:[0-9]{2}  2/3  handset  V2\.05  Ardex  write failed: Fail to write ZENTA Handset settings\.$' run.out ||
    fail "unit 2: $(cat run.out)"
grep -qE '^[0-9]{2}:[0-9]{2}:[0-9]{2}  3/3  gateway  V2\.05  Kesto  ok$' run.out || fail "unit 3: $(cat run.out)"
[ "$(tail -1 run.out)" = "3 units: 2 programmed, 1 failed" ] || fail "summary: $(tail -1 run.out)"
"$ZENTA" log record.jsonl >log.out || fail "zenta log: exit $?"
grep -qx '3 units' log.out || fail "log: $(cat log.out)"
grep -qx '  2  ok' log.out || fail "log by result: $(cat log.out)"
grep -qx '  1  gateway' log.out || fail "log by kind: $(cat log.out)"
grep -qE '^  3  batch\.wpx \(sha256 [0-9a-f]{12}\)$' log.out || fail "log by file: $(cat log.out)"

# Ctrl-C while the run waits for a unit ends it with its summary.
"$ZENTA" sim attach none >/dev/null
"$ZENTA" program --count 2 batch.wpx >run.out 2>run.err &
run=$!
wait_for run.err "Waiting for unit 1 of 2"
kill -INT "$run"
code=0
wait "$run" || code=$?
[ "$code" = 130 ] || fail "exit $code after Ctrl-C, expected 130"
[ "$(cat run.out)" = "0 units: 0 programmed, 0 failed, interrupted" ] || fail "summary: $(cat run.out)"

# The file is checked before the run waits for anything.
settings_file odd.wpx 0012=30
expect_exit 1 program --count 2 odd.wpx
expect_in err "odd.wpx:13: outside: key 0012"
expect_in err "no unit was programmed"
