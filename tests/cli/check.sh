# zenta check: one line per finding with the file's line number, exit 1 when there are
# any.
. "$(dirname "$0")/lib/common.sh"

expect_exit 0 check "$DATA/defaults.wpx"
expect_in out "defaults.wpx: 0 findings"

settings_file bad.wpx 0012=30 1008=1 0013=x
sed -i '/^0014=/d' bad.wpx
printf '0050=1\r\n0001=1\r\nhello\r\n' >>bad.wpx
expect_exit 1 check bad.wpx
expect_in out "bad.wpx:13: outside: key 0012 (Handset / User Experience: Out of Range Auto Turn Off Timer (in hours)): 30 is outside 0..24; the window shows 30"
expect_in out "bad.wpx:14: no digits: key 0013"
expect_in out "bad.wpx:14: outside: key 0013"
expect_in out "bad.wpx:57: reserved not 0: key 1008: a reserved key holds 0, not 1"
expect_in out "bad.wpx:105: unknown key: key \"0050\""
expect_in out "bad.wpx:106: given twice: key 0001"
expect_in out "bad.wpx:107: no setting: \"hello\""
expect_in out "bad.wpx: missing: key 0014 (Handset / User Experience: Low Battery Beep Interval Timer (in minutes))"
expect_in out "bad.wpx: 8 findings"
expect_lines out 9

expect_exit 1 check --json bad.wpx
expect_json out
expect_in out '{"kind":"outside","line":13,"key":"0012","page":"Handset / User Experience","caption":"Out of Range Auto Turn Off Timer (in hours)","detail":"30 is outside 0..24; the window shows 30"}'
expect_in out '{"kind":"missing","line":null,"key":"0014"'
expect_in out '{"kind":"unknown key","line":105,"key":"0050","page":"","caption":"","detail":"no setting has this key; the line is skipped"}'

expect_exit 3 check missing.wpx
