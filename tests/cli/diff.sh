# zenta diff: the settings two files lead to differently, exit 1 when there are any.
. "$(dirname "$0")/lib/common.sh"

cp "$DATA/defaults.wpx" a.wpx
tr -d '\r' <a.wpx >lf.wpx
expect_exit 0 diff a.wpx lf.wpx
[ ! -s out ] || fail "equal files print nothing: $(cat out)"

# Reserved keys, the fixed Radio PTT line and a tick of 2 read as they already are.
settings_file same.wpx 1008=7 1013=3 0002=2
expect_exit 0 diff a.wpx same.wpx

settings_file b.wpx 0012=12 9000=0 1028=3
expect_exit 1 diff a.wpx b.wpx
expect_in out "--- a.wpx"
expect_in out "+++ b.wpx"
grep -qE '^  Out of Range Auto Turn Off Timer \(in hours\) +8 -> 12$' out || fail "spin: $(cat out)"
grep -qE '^  Edition +Ardex -> Kesto$' out || fail "edition: $(cat out)"
grep -qE '^  Function 1: Function +Remote PTT -> Find Me$' out || fail "line: $(cat out)"
expect_in out "Gateway / Hardware"

expect_exit 1 diff --json a.wpx b.wpx
expect_json out
expect_in out '{"key":"0012","page":"Handset / User Experience","caption":"Out of Range Auto Turn Off Timer (in hours)","a":"8","b":"12"}'
expect_exit 0 diff --json a.wpx lf.wpx
expect_in out '"differences":[]'

expect_exit 3 diff a.wpx missing.wpx
expect_in err "cannot read missing.wpx"
