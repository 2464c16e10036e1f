#!/usr/bin/env bash
# The Windows release as a user meets it, under 32-bit Wine in a prefix of its own
# (build/e2e-install/prefix):
#
#   the programs and the simulated libraries carry the program's icon and their version;
#   the zip holds what it always held; the installer installs silently (msiexec /i /qn)
#   into Program Files with the simulated libraries in a folder of their own, a Start
#   menu shortcut, the .wpx association and an entry in the list of programs; the chip
#   libraries are found on PATH and not in the current folder; a settings file opened
#   through the association comes up loaded in the window; an installer of a newer version
#   replaces the installed one; uninstalling (msiexec /x /qn) removes what was installed
#   and keeps what the user put in the program's folder.
#
#   bash tests/win32/run-install.sh [x86|x64]
#
# x86, the default, installs under 32-bit Wine in a win32 prefix, as installers on 32-bit
# Windows would; on a machine whose kernel runs no 32-bit programs it says so and runs the
# x64 mode instead. x64 installs the same 32-bit installer in a win64 prefix, as on 64-bit
# Windows: into Program Files (x86), its registry keys in the 32-bit view; it runs 64-bit
# Wine's own loader, so it needs no 32-bit support from the machine, and so it tests the
# library search with the 64-bit zenta.exe of the zip and opens no settings file (the
# installed programs are 32-bit).
set -euo pipefail
cd "$(dirname "$0")/../.."
. tests/win32/xvfb.sh
. tests/win32/wine.sh
root="$PWD"
arch="${1:-x86}"
case "$arch" in
  x86) packages=(wine32:i386) ;;
  x64) packages=(wine64) ;;
  *) echo "usage: run-install.sh [x86|x64]" >&2; exit 2 ;;
esac
bash tools/install-packages.sh wine "${packages[@]}" xvfb icoutils unzip wixl msitools
if [ "$arch" = x86 ] && ! wine_runs x86; then
  echo "install: this machine runs no 32-bit programs; the x64 mode is tested instead"
  arch=x64
fi
bash tools/package-windows.sh --werror
bash tools/package-windows.sh --werror --msi-version 2.5.1.0
dist="$root/build/dist"
msi="$dist/ZENTAUserProgrammer-v2.05A.msi"
newer_msi="$dist/ZENTAUserProgrammer-v2.05A-2.5.1.0.msi"

. "$root/tests/win32/checks.sh"

echo "install: resources"
work="$root/build/e2e-install"
rm -rf "$work/files" && mkdir -p "$work/files"
# A file's version resource: the file version in its fixed part ("Fixed=2.5.0.0"), then
# the texts, one "Name=Value" a line.
version_texts() {
  wrestool -x --raw --type=16 "$1" | python3 -c '
import re, struct, sys
raw = sys.stdin.buffer.read()
at = raw.find(struct.pack("<I", 0xFEEF04BD))
if at >= 0:
    high, low = struct.unpack_from("<II", raw, at + 8)
    print("Fixed=%d.%d.%d.%d" % (high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF))
text = raw.decode("utf-16-le", "replace")
for name in ("ProductName", "FileDescription", "FileVersion", "ProductVersion"):
    found = re.search(name + "\0+([^\0]+)", text)
    print(name + "=" + (found.group(1) if found else ""))'
}
# The sizes of a program's first icon, as icotool lists them: "16 24 ...".
icon_sizes() {
  wrestool -x --type=group_icon "$1" -o "$work/files/icon.ico" 2>/dev/null || true
  [ -f "$work/files/icon.ico" ] || return 0
  icotool -l "$work/files/icon.ico" | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | tr '\n' ' ' | sed 's/ $//'
  rm -f "$work/files/icon.ico"
}
stage="$dist/ZENTAUserProgrammer-v2.05A-windows"
for program in ZENTAUserProgrammer.exe zenta.exe x64/ZENTAUserProgrammer.exe x64/zenta.exe; do
  check "$program: icon sizes" "16 24 32 48 64 128 256" "$(icon_sizes "$stage/$program")"
  texts="$(version_texts "$stage/$program")"
  check "$program: product" "ProductName=ZENTA User Programmer" "$(echo "$texts" | grep ProductName)"
  check "$program: versions" "Fixed=2.5.0.0 FileVersion=2.5.0.0 ProductVersion=v2.05A" \
    "$(echo "$texts" | grep -E 'Fixed|FileVersion|ProductVersion' | tr '\n' ' ' | sed 's/ $//')"
done
check "ZENTAUserProgrammer.exe: description" "FileDescription=ZENTA User Programmer" \
  "$(version_texts "$stage/ZENTAUserProgrammer.exe" | grep FileDescription)"
for library in simulator/TESTENGINE.DLL simulator/x64/TESTFLASH.DLL; do
  check "$library: says it is the simulator" "yes" \
    "$(contains "$(version_texts "$stage/$library" | grep FileDescription)" "ZENTA simulator")"
done

echo "install: the zip and the installer's tables"
check "the zip's files" "README.txt ZENTAUserProgrammer.exe simulator/TESTENGINE.DLL simulator/TESTFLASH.DLL simulator/x64/TESTENGINE.DLL simulator/x64/TESTFLASH.DLL x64/ZENTAUserProgrammer.exe x64/zenta.exe zenta.exe" \
  "$(unzip -Z1 "$dist/ZENTAUserProgrammer-v2.05A-windows.zip" | grep -v '/$' | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')"
properties="$(msiinfo export "$msi" Property | tr -d '\r')"
check "installer: per machine" "ALLUSERS	1" "$(echo "$properties" | grep '^ALLUSERS')"
check "installer: upgrade code" "UpgradeCode	{83d9635a-fa46-4b0b-afa0-0be6550f7235}" "$(echo "$properties" | grep '^UpgradeCode')"
check "installer: version" "ProductVersion	2.5.0.0" "$(echo "$properties" | grep '^ProductVersion')"

if [ "$arch" = x86 ]; then
  programs="Program Files"
  view=()
else
  programs="Program Files (x86)"
  view=(/reg:32)
fi
use_wine "$arch" "$work/wine-bin"
echo "install: preparing the $WINEARCH Wine prefix"
export WINEPREFIX="$work/prefix-$arch" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
start_xvfb 171 210 install
prepare_prefix 1024x800
win() { wine winepath -w "$1" | tr -d '\r'; }
query() { wine reg query "$@" "${view[@]}" 2>/dev/null | tr -d '\r'; }
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# The DisplayVersion of every entry named ZENTA User Programmer in the list of programs.
listed_versions() {
  query "$uninstall_key" /s | awk '
    /^HKEY/ { name = ""; version = "" }
    $1 == "DisplayName" { $1 = ""; $2 = ""; name = substr($0, 3) }
    $1 == "DisplayVersion" { version = $3 }
    name == "ZENTA User Programmer" && version != "" { print version; name = "" }' | tr '\n' ' ' | sed 's/ $//'
}
# Leftovers of an earlier run: the prefix is kept between runs.
for old in "$newer_msi" "$msi"; do wine msiexec /x "$(win "$old")" /qn >/dev/null 2>&1 || true; done
folder="$WINEPREFIX/drive_c/$programs/ZENTA User Programmer"
rm -rf "$folder"

echo "install: msiexec /i"
code=0; wine msiexec /i "$(win "$msi")" /qn >/dev/null 2>&1 || code=$?
check "msiexec /i: exit code" "0" "$code"
check "installed files" "README.txt ZENTAUserProgrammer.exe simulator/TESTENGINE.DLL simulator/TESTFLASH.DLL zenta.exe" \
  "$(cd "$folder" 2>/dev/null && find . -type f | sed 's#^\./##' | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')"
shortcut="$(find "$WINEPREFIX/drive_c" -name 'ZENTA User Programmer.lnk' 2>/dev/null)"
check "Start menu shortcut" "yes" "$(contains "$shortcut" "Start Menu/Programs/ZENTA User Programmer.lnk")"
check "HKCR\\.wpx" "yes" "$(contains "$(query 'HKCR\.wpx')" "ZENTA.SettingsFile")"
program="$(win "$folder/ZENTAUserProgrammer.exe")"
check "open command" "yes" \
  "$(contains "$(query 'HKCR\ZENTA.SettingsFile\shell\open\command')" "\"$program\" \"%1\"")"
check "settings file icon" "yes" "$(contains "$(query 'HKCR\ZENTA.SettingsFile\DefaultIcon')" "$program,0")"
check "list of programs" "2.5.0.0" "$(listed_versions)"

echo "install: the chip libraries on PATH, never in the current folder"
if [ "$arch" = x86 ]; then
  bench="$folder"
  zenta="$folder/zenta.exe"
else
  bench="$work/files/x64"
  mkdir -p "$bench/simulator"
  cp "$stage/x64/zenta.exe" "$bench/"
  cp "$stage/simulator/x64/"*.DLL "$bench/simulator/"
  zenta="$bench/zenta.exe"
fi
simulator="$(win "$bench/simulator")"
ZENTA_SIM_STATE="$(win "$work/files/sim-unit.txt")"
export ZENTA_SIM_STATE
rm -f "$work/files/sim-unit.txt"
wine "$zenta" sim attach handset >/dev/null
wpx="$work/files/Bench settings.wpx"
code=0; WINEPATH="$simulator" wine "$zenta" read --output "$(win "$wpx")" >/dev/null 2>&1 || code=$?
check "zenta read with the libraries on PATH: exit code" "0" "$code"
code=0; err="$(cd "$bench/simulator" && wine "$zenta" read 2>&1 >/dev/null | tr -d '\r')" || code=$?
check "zenta read with the libraries in the current folder only: exit code" "4" "$code"
program_folder="$(win "$zenta")"
# zenta.exe puts the message on one line.
check "the program's folder searched first" "yes" \
  "$(contains "$(echo "$err" | tr -s ' \n' ' ')" "these folders: ${program_folder%zenta.exe} ")"
check "the message names no current folder" "yes" \
  "$(case "$err" in *"$simulator"*) echo "no: $err" ;; *) echo yes ;; esac)"

if [ "$arch" = x86 ]; then
  echo "install: a settings file opened through the association"
  cp "$root/build/bin/windows/x86/zenta-windriver.exe" "$work/files/"
  drive() { wine "$work/files/zenta-windriver.exe" "$@" | tr -d '\r'; }
  # The unit's Out of Range Auto Turn Off Timer: 5 hours in the file.
  sed -i 's/^0012=.*/0012=5\r/' "$wpx"
  WINEPATH="$simulator" wine start "$(win "$wpx")" >/dev/null 2>&1 &
  caption='ZENTA User Programmer, v2.05A, Transport = \\.\CSR0'
  if drive wait-caption "$caption" 90; then
    check "window of the opened file" "up" "up"
    check "the file's value in the window" "5" "$(drive get AutoTurnOffTimerStaticText)"
    drive click ExitButton
    for _ in $(seq 60); do drive rect >/dev/null 2>&1 || break; sleep 0.5; done
  else
    check "window of the opened file" "up" "(not reached)"
  fi
fi

echo "install: upgrading to 2.5.1.0"
# The user's own chip libraries, put beside the program.
cp "$folder/simulator/TESTENGINE.DLL" "$folder/simulator/TESTFLASH.DLL" "$folder/"
code=0; wine msiexec /i "$(win "$newer_msi")" /qn >/dev/null 2>&1 || code=$?
check "msiexec /i of the newer installer: exit code" "0" "$code"
check "list of programs after the upgrade" "2.5.1.0" "$(listed_versions)"
check "programs after the upgrade" "1" "$(find "$WINEPREFIX/drive_c" -name ZENTAUserProgrammer.exe | wc -l)"
check "the user's libraries after the upgrade" "TESTENGINE.DLL TESTFLASH.DLL" \
  "$(cd "$folder" && ls TEST*.DLL | tr '\n' ' ' | sed 's/ $//')"

echo "install: msiexec /x"
code=0; wine msiexec /x "$(win "$newer_msi")" /qn >/dev/null 2>&1 || code=$?
check "msiexec /x: exit code" "0" "$code"
check "what is left in the folder" "TESTENGINE.DLL TESTFLASH.DLL" \
  "$(cd "$folder" 2>/dev/null && find . -type f | sed 's#^\./##' | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')"
check "Start menu shortcut after uninstalling" "" "$(find "$WINEPREFIX/drive_c" -name 'ZENTA User Programmer.lnk')"
check "HKCR\\.wpx after uninstalling" "gone" "$(query 'HKCR\.wpx' >/dev/null && echo there || echo gone)"
check "ProgID after uninstalling" "gone" "$(query 'HKCR\ZENTA.SettingsFile' >/dev/null && echo there || echo gone)"
check "list of programs after uninstalling" "" "$(listed_versions)"

echo "windows-install: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
