# zenta report: the configuration sheet of a settings file holds the kinds the file gives,
# the edition once; the sheet of the attached unit is read as READ DEVICE reads, and the
# unit keeps every word; every failure has its exit code.
. "$(dirname "$0")/lib/common.sh"

expect_exit 0 report --output both.html "$DATA/defaults.wpx"
expect_in out "sheet saved to both.html"
expect_in both.html "<h2>Handset</h2>"
expect_in both.html "<h2>Gateway</h2>"
[ "$(grep -o '<dt>Edition</dt>' both.html | wc -l)" = 1 ] || fail "the edition is named once"
expect_in both.html "<dt>Settings file</dt><dd>$DATA/defaults.wpx</dd>"
expect_not_in both.html "<script"

# A file that gives gateway settings alone has the gateway's sheet alone.
grep -E '^(9000|10[0-9][0-9])=' "$DATA/defaults.wpx" >gateway.wpx
expect_exit 0 report gateway.wpx --output gateway.html
expect_in gateway.html "<h2>Gateway</h2>"
expect_not_in gateway.html "<h2>Handset</h2>"

"$ZENTA" sim attach gateway --edition kesto --version 0x0312 >/dev/null
"$ZENTA" sim show >before.txt
expect_exit 0 report --unit --output unit.html
expect_in err "NOTE: Success to read ZENTA Gateway settings."
expect_in unit.html "<dt>Unit version</dt><dd>GW: V3.12 Kesto</dd>"
expect_in unit.html "<dt>Adapter</dt>"
expect_not_in unit.html "<h2>Handset</h2>"
"$ZENTA" sim show >after.txt
expect_in after.txt "writes 0, restarts 0"
diff <(grep -v "opens" before.txt) <(grep -v "opens" after.txt) || fail "a sheet of the unit changes nothing on it"
expect_exit 0 report --unit --transport 0 --output unit.html

expect_exit 2 report "$DATA/defaults.wpx"
expect_in err "zenta report: --output is required"
expect_exit 2 report --unit "$DATA/defaults.wpx" --output x.html
expect_exit 2 report --output x.html
expect_in err "(see zenta report --help)"
expect_exit 2 report --transport 0 "$DATA/defaults.wpx" --output x.html
expect_exit 3 report missing.wpx --output x.html
expect_in err "zenta report: cannot read missing.wpx"
printf 'nothing=here\n' >empty.wpx
expect_exit 3 report empty.wpx --output x.html
expect_in err "no setting of a handset or a gateway"
expect_exit 3 report "$DATA/defaults.wpx" --output no/such/folder/x.html
expect_in err "zenta report: no/such/folder/x.html: the sheet could not be written"
[ ! -e x.html ] || fail "a failed report leaves no sheet"

"$ZENTA" sim attach none >/dev/null
expect_exit 4 report --unit --output x.html
"$ZENTA" sim attach tavin >/dev/null
expect_exit 5 report --unit --output x.html
"$ZENTA" sim attach handset >/dev/null
"$ZENTA" sim fail read 3 --key 0x02AB >/dev/null
expect_exit 6 report --unit --output x.html
[ ! -e x.html ] || fail "a failed read leaves no sheet"
