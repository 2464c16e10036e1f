#!/usr/bin/env bash
# The production line where it runs, on Windows: the 32-bit zenta.exe under 32-bit Wine
# with the simulated chip libraries, over two simulated adapters ("USB SPI A" and
# \\.\CSR0), a worker process each:
#
#   1. `program --count 4 --transport all --log --backup`: four units, two on each
#      adapter, each line naming its adapter; the summary per adapter; the record holds
#      four entries, two per adapter, each naming this computer, its user and v2.05A, and
#      `zenta.exe log` sums them; one backup per unit;
#   2. a worker ended from outside by TerminateProcess while it waits for its next unit:
#      its adapter is reported failed (exit 8) and the other adapter programs the rest;
#   3. Ctrl-C, sent by GenerateConsoleCtrlEvent to the console the run shares with its
#      workers while both wait: every worker stops and the run ends with its summary
#      (exit 130);
#   4. two Ctrl-C while both workers are held in library calls that hang: the run ends
#      them with TerminateProcess and ends within 2 s of the second (exit 130);
#   5. adapters whose calls hang, with --call-timeout 1: each worker says its adapter does
#      not answer, the run ends both and itself (exit 8).
#
# zenta-proctl.exe (ProcessControl.cpp) ends the worker and sends the Ctrl-C.
#
# On a machine whose kernel runs no 32-bit programs (Wine's 32-bit loader fails with
# "Exec format error"), the 64-bit build is tested instead in a win64 prefix, and the
# run says so; naming x64 tests that build anyway.
#
#   bash tests/win32/run-production.sh [x86|x64]
set -euo pipefail
cd "$(dirname "$0")/../.."
. tests/win32/xvfb.sh
. tests/win32/wine.sh
root="$PWD"
arch="${1:-x86}"
case "$arch" in
  x86|x64) ;;
  *) echo "usage: run-production.sh [x86|x64]" >&2; exit 2 ;;
esac

bash tools/install-packages.sh wine wine32:i386 wine64 xvfb
bash tools/build-windows.sh --werror
if [ "$arch" = x86 ] && ! wine_runs x86; then
  echo "production: this machine runs no 32-bit programs; the 64-bit build is tested instead"
  arch=x64
fi
work="$root/build/e2e-production/$arch"
use_wine "$arch" "$work/wine-bin"
bin="$root/build/bin/windows/$arch"
run="$work/run"
rm -rf "$run" && mkdir -p "$run"
cp "$bin/zenta.exe" "$bin/zenta-proctl.exe" "$bin/sim/TESTENGINE.DLL" "$bin/sim/TESTFLASH.DLL" "$run/"
cp tests/data/defaults.wpx "$run/batch.wpx"
sed -i 's/^0012=[^\r]*/0012=12/' "$run/batch.wpx"

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
start_xvfb 171 210 production
echo "production: preparing the $WINEARCH Wine prefix $WINEPREFIX"
timeout 300 wineboot -i >/dev/null 2>&1
state="$work/sim-unit.txt"
rm -f "$state"
ZENTA_SIM_STATE="$(wine winepath -w "$state" | tr -d '\r')"
export ZENTA_SIM_STATE
cd "$run"

. "$root/tests/win32/checks.sh"
zenta() { wine zenta.exe "$@" | tr -d '\r'; }
A='SPITRANS=USB SPIPORT=1'
B='\\.\CSR0'
# attach KIND TRANSPORT: the run's workers save the same state file, under the lock that
# every change takes, so no attach is lost to them: it holds at once.
attach() {
  zenta sim attach "$1" --transport "$2" >/dev/null
  zenta sim show | grep -A1 -F "transport: $2" | grep -q "^unit: $1" || check "attach $1 on $2" "attached" "not attached"
}
# wait_lines FILE N: until FILE holds N unit lines ("  n/4  ") or 90 seconds passed.
wait_lines() {
  local i
  for i in $(seq 450); do
    [ "$(tr -d '\r' <"$1" | grep -c '  [0-9]/4  ' || true)" -ge "$2" ] && return 0
    sleep 0.2
  done
  return 1
}
# opens TRANSPORT: the opens the bench has counted on TRANSPORT.
opens() {
  zenta sim show | grep -F -A3 "transport: $1" | sed -n 's/^calls on this transport: opens \([0-9]*\),.*/\1/p' | head -1
}
# swap: the operator takes the programmed units away and, once each adapter's worker has
# looked at its empty link (the bench counts a new open on both) or 10 seconds passed (a
# worker ended on purpose looks no more), puts new ones on.
swap() {
  local a b until
  attach none "$A"
  attach none "$B"
  a="$(opens "$A")"
  b="$(opens "$B")"
  until=$((SECONDS + 10))
  while [ "$SECONDS" -lt "$until" ]; do
    [ "$(opens "$A")" -gt "$a" ] && [ "$(opens "$B")" -gt "$b" ] && break
    sleep 0.2
  done
  attach handset "$A"
  attach gateway "$B"
}
finish() {
  echo "windows-production $arch: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}

zenta sim spi-ports 'USB SPI A' "$A" >/dev/null
zenta sim latency 0 >/dev/null
attach handset "$A"
attach gateway "$B"

echo "production: four units over both adapters, with a record and backups"
wine zenta.exe program --count 4 --transport all --log record.jsonl --backup backups batch.wpx >run.out 2>run.err &
program=$!
wait_lines run.out 2 || true
swap
code=0
timeout 120 tail --pid="$program" -f /dev/null || kill "$program"
wait "$program" || code=$?
tr -d '\r' <run.out >out.txt
check "exit code" "0" "$code"
check "unit lines of USB SPI A" "2" \
  "$(grep -c '^\[USB SPI A\]  [0-9:]\{8\}  [1-4]/4  handset  V2\.05  Ardex  ok$' out.txt || true)"
check "unit lines of \\\\.\\CSR0" "2" \
  "$(grep -c '^\[\\\\\.\\CSR0\]  [0-9:]\{8\}  [1-4]/4  gateway  V2\.05  Ardex  ok$' out.txt || true)"
check "unit numbers" "1 2 3 4" "$(grep -o '  [1-4]/4  ' out.txt | tr -dc '1-4\n' | cut -c1 | sort | tr '\n' ' ' | sed 's/ $//')"
check "summary" "4 units: 4 programmed, 0 failed|  USB SPI A: 2 programmed, 0 failed|  \\\\.\\CSR0: 2 programmed, 0 failed" \
  "$(tail -3 out.txt | paste -sd '|')"
check "record entries" "4" "$(tr -d '\r' <record.jsonl | grep -c '"result":"ok"' || true)"
check "record entries of USB SPI A" "2" "$(grep -c '"adapter":"USB SPI A"' record.jsonl || true)"
check "record entries of \\\\.\\CSR0" "2" "$(grep -cF '"adapter":"\\\\.\\CSR0"' record.jsonl || true)"
check "record entries naming the bench, operator and version" "4" \
  "$(grep -cF "\"bench\":\"$(hostname)\",\"operator\":\"$(id -un)\",\"program_version\":\"v2.05A\"" record.jsonl || true)"
check "backups of handsets" "2" "$(find backups -name '*-USB-SPI-A-handset.wpx' | wc -l)"
check "backups of gateways" "2" "$(find backups -name '*-CSR0-gateway.wpx' | wc -l)"
check "lines of a backup: 105 settings, 4 lines and 25 words of the record" "134" "$(tr -d '\r' <"$(find backups -name '*gateway.wpx' | head -1)" | grep -c '=' || true)"
zenta log record.jsonl >log.txt || true
check "zenta log" "4 units|  4  $(hostname)" "$(grep -x -e '4 units' -e "  4  $(hostname)" log.txt | paste -sd '|')"

echo "production: a worker ended by TerminateProcess"
wine zenta.exe program --count 4 --transport all batch.wpx >run.out 2>run.err &
program=$!
wait_lines run.out 2 || true
echo "production: ended the worker with process id $(wine zenta-proctl.exe end-worker | tr -d '\r')"
swap
wait_lines run.out 3 || true
swap
code=0
timeout 120 tail --pid="$program" -f /dev/null || kill "$program"
wait "$program" || code=$?
tr -d '\r' <run.out >out.txt
tr -d '\r' <run.err >err.txt
check "exit code" "8" "$code"
check "summary" "4 units: 4 programmed, 0 failed" "$(grep ' units: ' out.txt)"
check "adapters that failed after one unit" "1" "$(grep -c '^  .*: 1 programmed, 0 failed, adapter failed$' out.txt || true)"
check "adapters that programmed the rest" "1" "$(grep -c '^  .*: 3 programmed, 0 failed$' out.txt || true)"
check "the ended worker named" "1" "$(grep -c '^\[.*\]  ended: exit code 1$' err.txt || true)"

echo "production: Ctrl-C while both adapters wait for a unit"
attach none "$A"
attach none "$B"
code="$(wine zenta-proctl.exe ctrl-c run.out run.err 'Programming 2 units on 2 adapters' 1 30 \
  program --count 2 --transport 0 --transport 1 batch.wpx | tr -d '\r' || true)"
check "exit code after Ctrl-C" "130" "$code"
check "summary after Ctrl-C" "0 units: 0 programmed, 0 failed, interrupted" "$(tr -d '\r' <run.out | head -1)"

echo "production: two Ctrl-C while both workers are held in library calls that hang"
zenta sim hang open --transport "$A" >/dev/null
zenta sim hang open --transport "$B" >/dev/null
code="$(wine zenta-proctl.exe ctrl-c run.out run.err 'Programming 2 units on 2 adapters' 2 2 \
  program --count 2 --transport 0 --transport 1 batch.wpx | tr -d '\r' || true)"
check "exit code within 2 s of the second Ctrl-C" "130" "$code"
check "summary after two Ctrl-C" "0 units: 0 programmed, 0 failed, interrupted" "$(tr -d '\r' <run.out | head -1)"

echo "production: adapters whose calls hang, with a limit of 1 s"
code=0
timeout 60 wine zenta.exe program --count 2 --transport all --call-timeout 1 batch.wpx >run.out 2>run.err || code=$?
tr -d '\r' <run.out >out.txt
tr -d '\r' <run.err >err.txt
check "exit code" "8" "$code"
check "adapters that do not answer" "2" "$(grep -c '^\[.*\]  the adapter does not answer: EngineOpen[A-Za-z]* has not returned in 1 s$' err.txt || true)"
check "adapters failed" "2" "$(grep -c '^  .*: 0 programmed, 0 failed, adapter failed$' out.txt || true)"
zenta sim clear >/dev/null

finish
