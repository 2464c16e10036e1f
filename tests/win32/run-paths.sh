#!/usr/bin/env bash
# File names outside the ANSI code page, under Wine with a German locale (code page 1252,
# which has "ü" but not "Ł", "ó" is there, "ż" and "ć" are not):
#
#   zenta.exe, run from such a folder, keeps the simulator's state file in such a folder
#   (ZENTA_SIM_STATE), reads a unit into such a file, over it again, not over a read-only
#   one, and shows it again; the desktop
#   program, run from such a folder, moves its settings file aside and names both paths
#   in its NOTE, saves and loads a settings file of such a name through the real dialogs,
#   and loads it when started with its name as the first argument; and a chip library
#   of the other bitness beside either program is named, with the build to use, before
#   the program ends (the window: exit code 1; zenta.exe: exit 4).
#
#   bash tests/win32/run-paths.sh [BIN_FOLDER]
#
# BIN_FOLDER holds ZENTAUserProgrammer.exe, zenta.exe, zenta-windriver.exe and sim/ with
# the simulated libraries, as the cross build leaves them (default build/bin/windows/x86).
# The programs' bitness decides the Wine prefix: build/e2e-paths/x86 or x64. A sibling
# folder of the other bitness, when there, gives the foreign library; otherwise it is a
# copy of the simulated TESTENGINE.DLL whose PE header names the other processor.
set -euo pipefail
cd "$(dirname "$0")/../.."
. tests/win32/xvfb.sh
. tests/win32/wine.sh
root="$PWD"
bin="$(cd "${1:-build/bin/windows/x86}" && pwd)"

# IMAGE_FILE_HEADER.Machine of a PE file, as 4 hex digits.
machine() {
  local header
  header=$((0x$(od -An -tx4 -j60 -N4 "$1" | tr -d ' ')))
  od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' '
}
case "$(machine "$bin/zenta.exe")" in
  014c) arch=x86 other=x64 foreign_machine=8664 bits=32 foreign_bits=64 ;;
  8664) arch=x64 other=x86 foreign_machine=014c bits=64 foreign_bits=32 ;;
  *) echo "paths: $bin/zenta.exe is neither a 32-bit nor a 64-bit Windows program" >&2; exit 1 ;;
esac

packages=(wine xvfb locales)
[ "$arch" = x86 ] && packages+=(wine32:i386) || packages+=(wine64)
bash tools/install-packages.sh "${packages[@]}"
if ! locale -a | grep -qix 'de_DE\.utf-\?8'; then
  sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen && locale-gen >/dev/null
fi

work="$root/build/e2e-paths/$arch"
rm -rf "$work/files" && mkdir -p "$work/files"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
skip_unless_wine_runs "$arch" paths
use_wine "$arch" "$work/wine-bin"
# Wine takes the ANSI code page from the locale: 1252 for German.
export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8

start_xvfb 131 170 paths

. "$root/tests/win32/checks.sh"

echo "paths: preparing the Wine prefix $WINEPREFIX ($WINEARCH)"
prepare_prefix 1024x800

# A program folder and a data folder, both named outside code page 1252.
programs="$work/files/Programy Łódź"
data="$work/files/Jürgen/żółć"
mkdir -p "$programs" "$data"
cp "$bin/ZENTAUserProgrammer.exe" "$bin/zenta.exe" "$bin/zenta-windriver.exe" \
   "$bin/sim/TESTENGINE.DLL" "$bin/sim/TESTFLASH.DLL" "$programs/"
state="$data/stan łącza.txt"
ZENTA_SIM_STATE="$(winepath -w "$state")"
export ZENTA_SIM_STATE
win() { winepath -w "$1"; }
drive() { wine "$programs/zenta-windriver.exe" "$@" | tr -d '\r'; }
# The desktop stays open between the programs the test starts, until its server ends.
wine "$programs/zenta-windriver.exe" hold-desktop >/dev/null 2>&1 &

echo "paths: zenta.exe"
cd "$programs"
wine zenta.exe sim attach handset >/dev/null
check "state file in a folder outside the code page" "there" "$([ -f "$state" ] && echo there || echo missing)"
wpx="$data/Ustawienia żółć.wpx"
code=0; wine zenta.exe read --output "$(win "$wpx")" >/dev/null 2>&1 || code=$?
check "zenta read --output: exit code" "0" "$code"
check "zenta read --output: lines in the file" "105" "$(tr -d '\r' < "$wpx" 2>/dev/null | grep -c '=' || true)"
code=0; wine zenta.exe read --output "$(win "$wpx")" >/dev/null 2>&1 || code=$?
check "zenta read --output over that file (ReplaceFileW): exit code" "0" "$code"
readonly_file="$data/Tylko do odczytu ż.wpx"
printf 'old content' > "$readonly_file" && chmod a-w "$readonly_file"
code=0; wine zenta.exe read --output "$(win "$readonly_file")" >/dev/null 2>&1 || code=$?
check "zenta read --output over a read-only file: exit code" "3" "$code"
check "the read-only file as it was" "old content" "$(cat "$readonly_file")"
check "temporary files left" "0" "$(find "$data" -name '*.tmp' | wc -l)"
shown="$(wine zenta.exe show "$(win "$wpx")" 2>&1 | tr -d '\r' || true)"
check "zenta show of that file" "yes" "$(contains "$shown" "Out of Range Auto Turn Off Timer")"
missing="$(win "$data")\\Brak pliku ść.wpx"
code=0; err="$(wine zenta.exe show "$missing" 2>&1 >/dev/null | tr -d '\r')" || code=$?
check "zenta show of a missing file: exit code" "3" "$code"
check "zenta show of a missing file: the path as given" "yes" "$(contains "$err" "cannot read $missing")"

echo "paths: the desktop program"
printf '[Setting]\r\nProgramVersion=v2.04\r\n' > ZENTAUserProgrammer.INI
wine ZENTAUserProgrammer.exe >/dev/null 2>&1 &
note="$(drive answer NOTE "&OK" 60 || true)"
expected="NOTE: '$(win "$programs")\\ZENTAUserProgrammer.INI' is saved as"
check "settings file NOTE names the folder" "yes" "$(contains "$note" "$expected")"
check "settings file NOTE names the new file" "yes" \
  "$(contains "$note" "'$(win "$programs")\\ZENTAUserProgrammer_v2.04.INI'")"
check "settings file moved aside" "ZENTAUserProgrammer_v2.04.INI" "$(ls ZENTAUserProgrammer*.INI 2>/dev/null)"
caption='ZENTA User Programmer, v2.05A, Transport = \\.\CSR0'
if drive wait-caption "$caption" 90; then check "libraries bound from the folder" "yes" "yes"
else check "libraries bound from the folder" "yes" "no"; fi

saved="$data/Zapisane Łódź.wpx"
# Wine names the dialogs in the locale's language.
drive click SaveFileButton
drive file-dialog "Speichern als" "$(win "$saved")" 30 || true
check "SAVE FILE: lines in the file" "105" "$(tr -d '\r' < "$saved" 2>/dev/null | grep -c '=' || true)"
sed -i 's/^0012=.*/0012=5\r/' "$saved"
drive click LoadFileButton
drive file-dialog "Öffnen" "$(win "$saved")" 30 || true
check "LOAD FILE: the value from the file" "5" "$(drive get AutoTurnOffTimerStaticText)"
check "no message on save and load" "" "$(drive no-prompt "ZENTA User Programmer, v2.05A" 1 2>&1)"
drive close || true
for _ in $(seq 60); do drive rect >/dev/null 2>&1 || break; sleep 0.5; done

echo "paths: the settings file named on the command line, as Explorer's \"Open with\" names it"
wine ZENTAUserProgrammer.exe "$(win "$saved")" >/dev/null 2>&1 &
if drive wait-caption "$caption" 90; then
  check "file named on the command line: the value from the file" "5" "$(drive get AutoTurnOffTimerStaticText)"
  check "file named on the command line: no message" "" "$(drive no-prompt "ZENTA User Programmer, v2.05A" 1 2>&1)"
else
  check "file named on the command line: the window ready" "yes" "no"
fi
drive close || true
for _ in $(seq 60); do drive rect >/dev/null 2>&1 || break; sleep 0.5; done

echo "paths: a chip library of the other bitness"
foreign="$work/files/Obca biblioteka ź"
mkdir -p "$foreign"
cp ZENTAUserProgrammer.exe zenta.exe TESTFLASH.DLL "$foreign/"
if [ -f "$bin/../$other/sim/TESTENGINE.DLL" ]; then
  cp "$bin/../$other/sim/TESTENGINE.DLL" "$foreign/"
else
  cp TESTENGINE.DLL "$foreign/"
  header=$((0x$(od -An -tx4 -j60 -N4 "$foreign/TESTENGINE.DLL" | tr -d ' ')))
  printf "\\x${foreign_machine:2:2}\\x${foreign_machine:0:2}" |
    dd of="$foreign/TESTENGINE.DLL" bs=1 seek=$((header + 4)) conv=notrunc status=none
fi
check "foreign library's machine" "$foreign_machine" "$(machine "$foreign/TESTENGINE.DLL")"
cd "$foreign"
words="is a $foreign_bits-bit library; this is the $bits-bit"
(timeout 120 wine ZENTAUserProgrammer.exe >/dev/null 2>&1 && echo 0 > exit-code || echo $? > exit-code) &
gui_pid=$!
message="$(drive answer "ZENTA User Programmer" OK 60 || true)"
check "window: the library and the folder" "yes" "$(contains "$message" "TESTENGINE.DLL in the folder")"
check "window: the folder named" "yes" "$(contains "$message" "$(win "$foreign")")"
check "window: the bitness" "yes" "$(contains "$message" "$words ZENTAUserProgrammer.exe")"
check "window: the build to use" "yes" "$(contains "$message" "Use the $foreign_bits-bit ZENTAUserProgrammer.exe")"
wait "$gui_pid" || true
check "window: exit code" "1" "$(cat exit-code 2>/dev/null)"
code=0; err="$(wine zenta.exe read 2>&1 >/dev/null | tr -d '\r')" || code=$?
check "zenta read: exit code" "4" "$code"
check "zenta read: the same words" "yes" "$(contains "$err" "$words zenta.exe")"
check "zenta read: the folder named" "yes" "$(contains "$err" "$(win "$foreign")")"

echo "windows-paths ($arch): $passed passed, $failed failed"
[ "$failed" -eq 0 ]
