# zenta log on records that crashes and full disks damaged: every whole entry counts, also
# one glued to the end of a cut-off line; every other piece is named with its record and
# line, and the exit code says there are such pieces. A record is read as a stream: one of
# hundreds of megabytes takes no more memory than one of three lines.
. "$(dirname "$0")/lib/common.sh"

entry='{"time":"2024-06-03T14:05:09+02:00","bench":"B1","operator":"anna","program_version":"v2.05A","adapter":"P1","kind":"handset","version":"V2.05","edition":"Ardex","file":"batch.wpx","sha256":"00","result":"ok","written":"yes","verification":"verified","seconds":1.5}'
{ echo "$entry"; printf '%s' "${entry:0:60}"; echo "$entry"; printf '%s' "${entry:0:30}"; } >torn.jsonl
expect_exit 11 log torn.jsonl
expect_in out '2 units, 2 unreadable pieces'
expect_in err "zenta log: torn.jsonl:2: not a unit's entry"
expect_in err "zenta log: torn.jsonl:3: not a unit's entry (the last line, without its line feed"
{ echo "$entry"; echo "$entry"; } >whole.jsonl
expect_exit 0 log whole.jsonl
expect_in out '2 units'

# peak_kb RECORD: the most memory zenta log held while reading RECORD, in KiB.
peak_kb() {
    /usr/bin/time -o rss -f %M "$ZENTA" log "$1" >out 2>err || true
    tail -1 rss
}
# 200 MB of one line that a full disk cut off, an entry glued to its end, one after it.
{ echo "$entry"; head -c 200000000 /dev/zero | tr '\0' x; echo "$entry"; echo "$entry"; } >big.jsonl
small=$(peak_kb torn.jsonl)
big=$(peak_kb big.jsonl)
rm big.jsonl
expect_in out '3 units, 1 unreadable piece'
expect_in err "zenta log: big.jsonl:2: not a unit's entry"
[ "$big" -lt $((small + 16384)) ] || fail "200 MB took $big KiB, three lines $small KiB"
if ! ldd "$ZENTA" | grep -q libasan; then
    [ "$big" -lt 65536 ] || fail "200 MB took $big KiB"
fi
