# zenta read: READ DEVICE on the simulated unit; the output file holds what was read, the
# other unit kind at its defaults; every failure has its exit code.
. "$(dirname "$0")/lib/common.sh"

# No state file yet: a factory handset is on the link.
expect_exit 0 read --output read.wpx
[ "$(head -1 out)" = "HS: V2.05 Ardex" ] || fail "version text: $(head -1 out)"
expect_in out "Handset / Hardware"
expect_not_in out "Gateway /"
expect_in out "saved to read.wpx"
expect_in err "NOTE: Success to read ZENTA Handset settings."
cmp -s read.wpx "$DATA/defaults.wpx" || fail "a factory handset reads as the defaults"

"$ZENTA" sim attach gateway --edition kesto --version 0x0312 >/dev/null
expect_exit 0 read --json
expect_lines out 1
expect_json out
expect_in out '"unit":"GW: V3.12 Kesto"'
expect_in out '"caption":"Multi Operational Mics","value":"unticked"'
expect_not_in out '"page":"Handset /'

expect_exit 3 read --output no/such/folder/read.wpx
expect_in err "zenta read: no/such/folder/read.wpx: The file could not be saved"

"$ZENTA" sim attach none >/dev/null
expect_exit 4 read
expect_in err "ERROR: ZENTA not detected. Check cables and ensure ZENTA is in programming mode."
"$ZENTA" sim attach tavin >/dev/null
expect_exit 5 read
expect_in err "ERROR: This programmer is for Fennic series only."
"$ZENTA" sim attach handset >/dev/null
"$ZENTA" sim fail read 3 --key 0x02AB >/dev/null
expect_exit 6 read --output failed.wpx
expect_in err "ERROR: Fail to read ZENTA Handset settings."
[ ! -e failed.wpx ] || fail "a failed read saves nothing"

echo "garbage" >"$ZENTA_SIM_STATE"
expect_exit 4 read
expect_in err "zenta read: "
expect_in err "sim-unit.txt"
