# zenta program: LOAD FILE and PROGRAM DEVICE on the simulated unit, with the page set of
# its kind, --verify and --restart; nothing is written without the whole file.
. "$(dirname "$0")/lib/common.sh"

settings_file mine.wpx 0012=12
expect_exit 0 program --verify mine.wpx
[ "$(cat out)" = "programmed handset V2.05 Ardex, verified" ] || fail "report: $(cat out)"
[ ! -s err ] || fail "messages of a good write: $(cat err)"
"$ZENTA" sim show >show.txt
grep -qE '^  0x02AB \(25 words\): [0-9A-F]{4} 000C ' show.txt || fail "record: $(grep 0x02AB show.txt)"
expect_in show.txt "restarts: 0"
expect_exit 0 read --output back.wpx
expect_exit 0 diff mine.wpx back.wpx

# A gateway gets the gateway pages; --restart restarts it after the write.
"$ZENTA" sim attach gateway --edition kesto >/dev/null
expect_exit 0 program --restart mine.wpx
expect_in out "programmed gateway V2.05 Kesto, restarted"
"$ZENTA" sim show >show.txt
expect_in show.txt "restarts: 1"
expect_in show.txt "0x02AA (25 words)"

# --verify with --restart restarts only after the record read back right.
"$ZENTA" sim attach handset >/dev/null
printf 'read-length 24 key=0x02AB\n' >>"$ZENTA_SIM_STATE"
expect_exit 7 program --verify --restart mine.wpx
expect_in err "zenta program: verify failed: The record read back has 24 words, not 25."
"$ZENTA" sim show >show.txt
expect_in show.txt "restarts: 0"

"$ZENTA" sim fail write 3 >/dev/null
expect_exit 7 program mine.wpx
expect_in err "ERROR: Fail to write ZENTA Handset settings."

"$ZENTA" sim attach tavin >/dev/null
expect_exit 5 program mine.wpx
expect_in err "ERROR: The device is not ZENTA Fennic Series Handset."
"$ZENTA" sim attach none >/dev/null
expect_exit 4 program mine.wpx

# A file that cannot be read is never half applied: nothing reaches the unit.
"$ZENTA" sim reset >/dev/null
expect_exit 3 program missing.wpx
expect_in err "zenta program: cannot read missing.wpx"
mkdir folder.wpx
expect_exit 3 program folder.wpx
"$ZENTA" sim show >show.txt
expect_in show.txt "counters: opens 0, closes 0, open now 0, reads 0, writes 0, restarts 0"
