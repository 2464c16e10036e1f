# zenta sim as a fault injector for programs running beside it: a hung call holds its
# adapter, later calls there wait with it, and all end once the bench is cleared; a killed
# program's connection closes on the next load; a command line written into the state
# file reads as the command.
. "$(dirname "$0")/lib/common.sh"

# gone PID: the process has ended, within 10 s.
gone() {
    local i
    for i in $(seq 100); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    fail "process $1 still runs"
}

"$ZENTA" sim hang read --after 1 >/dev/null
"$ZENTA" read >first.out 2>first.err &
first=$!
wait_for "$ZENTA_SIM_STATE" 'hung "'
"$ZENTA" read >second.out 2>second.err &
second=$!
sleep 1
kill -0 "$first" 2>/dev/null || fail "the hung read returned: $(cat first.err)"
kill -0 "$second" 2>/dev/null || fail "a call on the hung adapter returned: $(cat second.err)"
"$ZENTA" sim show >show.out
expect_in show.out 'hung: every call on \\.\CSR0 waits until the bench is reset or cleared'
expect_in show.out 'open now 1'
"$ZENTA" sim clear >/dev/null
gone "$first"
gone "$second"
code=0
wait "$first" || code=$?
[ "$code" = 0 ] || fail "the read whose call hung: exit $code, expected 0 after its retry: $(cat first.err)"
code=0
wait "$second" || code=$?
[ "$code" = 4 ] || fail "the read whose open hung: exit $code, expected 4: $(cat second.err)"

# A program killed in its hung call leaves its connection open; the next load closes it.
"$ZENTA" sim hang read --after 1 >/dev/null
"$ZENTA" read >killed.out 2>killed.err &
killed=$!
wait_for "$ZENTA_SIM_STATE" 'hung "'
expect_in "$ZENTA_SIM_STATE" "process=posix:$killed"
{ kill -KILL "$killed" && wait "$killed"; } 2>/dev/null || true
"$ZENTA" sim show >show.out
expect_in show.out 'open now 0'
"$ZENTA" sim reset >/dev/null

# The state file and the commands speak one vocabulary: a line after a transport's
# section is about that transport.
echo 'fail write 1 --after 2 --key 0x02AB' >>"$ZENTA_SIM_STATE"
"$ZENTA" sim show >show.out
expect_in show.out 'the next 1 write call(s) of key 0x02AB on \\.\CSR0 fail, after 2 more'
