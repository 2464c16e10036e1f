# zenta program --count --log on a disk that fills up: the unit is programmed, but its
# entry cannot be appended whole, so the run says so, stops before the next unit (exit
# 10) and counts the unit without an entry; zenta log names the piece the full disk left;
# the next run, with room again, ends that line and puts its entry on a line of its own;
# the entries of runs keep one chain, which a hand's edit breaks.
. "$(dirname "$0")/lib/common.sh"

settings_file batch.wpx 0012=12
"$ZENTA" program --count 1 --log first.jsonl batch.wpx >run.out 2>run.err || fail "first run: $(cat run.err)"
entry=$(cat first.jsonl)
# A record 4000 bytes long on a disk that takes files of 4096 bytes at most: as many
# entries as fit and a line of padding.
n=$((3900 / (${#entry} + 1)))
for i in $(seq "$n"); do echo "$entry"; done >full.jsonl
head -c $((4000 - $(wc -c <full.jsonl) - 1)) /dev/zero | tr '\0' x >>full.jsonl
echo >>full.jsonl

code=0
(ulimit -f 4 && trap '' XFSZ && exec "$ZENTA" program --count 2 --log full.jsonl batch.wpx) >run.out 2>run.err || code=$?
[ "$code" = 10 ] || fail "exit $code on a full disk, expected 10: $(cat run.err)"
grep -qE '^[0-9:]{8}  1/2  handset  V2\.05  Ardex  ok$' run.out || fail "unit 1: $(cat run.out)"
[ "$(tail -1 run.out)" = "1 unit: 1 programmed, 0 failed, 1 without its record entry" ] ||
    fail "summary: $(tail -1 run.out)"
expect_in run.err 'zenta program: full.jsonl: the entry of unit 1 could not be appended to the production record'
expect_not_in run.err 'Waiting for unit 2'
[ "$(wc -c <full.jsonl)" = 4096 ] || fail "the full disk took $(wc -c <full.jsonl) bytes"

expect_exit 11 log full.jsonl
expect_in out "$n units, 2 unreadable pieces"
expect_in err "zenta log: full.jsonl:$((n + 1)): not a unit's entry"
expect_in err "zenta log: full.jsonl:$((n + 2)): not a unit's entry (the last line, without its line feed"

"$ZENTA" program --count 1 --log full.jsonl batch.wpx >run.out 2>run.err || fail "run with room: $(cat run.err)"
expect_exit 11 log full.jsonl
expect_in out "$((n + 1)) units, 2 unreadable pieces"
expect_in err "zenta log: full.jsonl:$((n + 2)): not a unit's entry"
expect_not_in err "the last line"

# The runs' entries keep one chain; an entry's result changed by hand is named by its line.
"$ZENTA" program --count 1 --log first.jsonl batch.wpx >run.out 2>run.err || fail "second run: $(cat run.err)"
expect_exit 0 log --check first.jsonl
expect_in out 'first.jsonl: intact: 2 entries chained'
sed -i '1s/"result":"ok"/"result":"OK"/' first.jsonl
expect_exit 12 log --check first.jsonl
expect_in out 'first.jsonl:1: edited: its bytes do not give its own chain value'
expect_in out 'first.jsonl: the chain is broken (2 entries)'
