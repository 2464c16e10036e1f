#!/usr/bin/env bash
# The release zip for Windows users: build/dist/ZENTAUserProgrammer-v2.05A-windows.zip.
#
#   ZENTAUserProgrammer.exe, zenta.exe   32-bit, for the chip maker's 32-bit libraries
#   x64/                                 the same two programs for 64-bit Windows
#   simulator/, simulator/x64/           the simulated TESTENGINE.DLL and TESTFLASH.DLL
#   README.txt                           which build to pick and where the DLLs go
#
# The simulated libraries are never beside a program, so that nobody programs a
# simulator by mistake.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh zip
bash tools/build-windows.sh

name=ZENTAUserProgrammer-v2.05A-windows
stage="build/dist/$name"
zip="$PWD/build/dist/$name.zip"
rm -rf "$stage" "$zip"
mkdir -p "$stage/x64" "$stage/simulator/x64"

# Without debugging symbols: a tenth of the size, and nothing a user's machine needs.
ship() {  # ship ARCH FILE DESTINATION
  local strip=i686-w64-mingw32-strip
  [ "$1" = x64 ] && strip=x86_64-w64-mingw32-strip
  "$strip" -o "$3" "build/bin/windows/$1/$2"
}
for program in ZENTAUserProgrammer.exe zenta.exe; do
  ship x86 "$program" "$stage/$program"
  ship x64 "$program" "$stage/x64/$program"
done
for library in TESTENGINE.DLL TESTFLASH.DLL; do
  ship x86 "sim/$library" "$stage/simulator/$library"
  ship x64 "sim/$library" "$stage/simulator/x64/$library"
done
# Windows users read it in Notepad: CRLF line ends.
sed 's/$/\r/' tools/windows-readme.txt > "$stage/README.txt"

(cd "$stage" && zip -q -X -r "$zip" .)
echo "package-windows: $zip"
