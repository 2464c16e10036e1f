# zenta show: every setting as the window shows it after LOAD FILE, marks on the values
# that lie outside their control, and the same in JSON.
. "$(dirname "$0")/lib/common.sh"

expect_exit 0 show "$DATA/defaults.wpx"
expect_lines out 102
expect_in out "Model"
expect_in out "  Edition "
grep -qE '^  Edition +Ardex$' out || fail "edition: $(grep Edition out)"
grep -qE '^  Low Battery Beep Voltage \(in volts\) +3\.5$' out || fail "volts: $(grep Voltage out)"
grep -qE '^  Long Press Duration +1000 ms$' out || fail "unit: $(grep 'Long Press Duration' out)"
grep -qE '^  Top 1: Press and Hold +Emergency$' out || fail "grid: $(grep 'Top 1' out)"
grep -qE '^  Function 5: Function +Handsfree active$' out || fail "lines: $(grep 'Function 5' out)"
expect_not_in out "!"
expect_not_in out "not in the file"

settings_file odd.wpx 9000=0 0012=30 0013=3700 0011=5
sed -i '/^0014=/d' odd.wpx
expect_exit 0 show odd.wpx
grep -qE '^  Edition +Kesto$' out || fail "Kesto: $(grep Edition out)"
grep -qE '^  Out of Range Auto Turn Off Timer \(in hours\) +30  ! 30 is outside 0\.\.24$' out ||
    fail "outside: $(grep 'Auto Turn Off' out)"
grep -qE '^  Low Battery Beep Voltage \(in volts\) +3\.7$' out || fail "volts: $(grep Voltage out)"
grep -qE '^  Hirose Pin 2 Function +\(none\)  ! 5 is outside 0\.\.1$' out || fail "list: $(grep Hirose out)"
grep -qE '^  Low Battery Beep Interval Timer \(in minutes\) +5  \(not in the file\)$' out ||
    fail "missing: $(grep Interval out)"

expect_exit 0 show --json odd.wpx
expect_lines out 1
expect_json out
expect_in out '"file":"odd.wpx"'
expect_in out '{"key":"0012","page":"Handset / User Experience","caption":"Out of Range Auto Turn Off Timer (in hours)","value":"30","inFile":true,"fileValue":30,"outside":true,"accepted":"0..24"}'
expect_in out '{"key":"0014","page":"Handset / User Experience","caption":"Low Battery Beep Interval Timer (in minutes)","value":"5","inFile":false,"outside":false}'

expect_exit 3 show missing.wpx
expect_lines err 1
expect_in err "zenta show: cannot read missing.wpx"
mkdir folder.wpx
expect_exit 3 show folder.wpx
expect_in err "it is a folder"
[ ! -e "$ZENTA_SIM_STATE" ] || fail "a command on files touched the simulated unit"

# The commands on files reach no unit and write nothing: no state file, no home, no
# temporary file, a folder that cannot be written.
mkdir -p quiet/tmp && cp "$DATA/defaults.wpx" odd.wpx quiet/ && chmod -R a-w quiet
sleep 0.01 && touch before
for command in "show quiet/defaults.wpx" "diff quiet/defaults.wpx quiet/odd.wpx" "check quiet/odd.wpx"; do
    got=0
    # shellcheck disable=SC2086
    env -u ZENTA_SIM_STATE HOME="$WORK/quiet" TMPDIR="$WORK/quiet/tmp" "$ZENTA" $command >out 2>err || got=$?
    [ "$got" -le 1 ] || fail "zenta $command without a bench: exit $got: $(cat err)"
    [ ! -s err ] || fail "zenta $command without a bench wrote to standard error: $(cat err)"
done
chmod -R u+w quiet
[ "$(find quiet -newer before | wc -l)" = 0 ] || fail "the commands on files wrote: $(find quiet -newer before)"
[ "$(find quiet -type f | wc -l)" = 2 ] || fail "the commands on files left files: $(find quiet -type f)"
[ ! -e sim-unit.txt ] || fail "the commands on files made a bench"
