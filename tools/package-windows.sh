#!/usr/bin/env bash
# The Windows release, in build/dist/:
#
#   ZENTAUserProgrammer-v2.05A-windows.zip, for those who want no installer:
#     ZENTAUserProgrammer.exe, zenta.exe   32-bit, for the chip maker's 32-bit libraries
#     x64/                                 the same two programs for 64-bit Windows
#     simulator/, simulator/x64/           the simulated TESTENGINE.DLL and TESTFLASH.DLL
#     README.txt                           which build to pick and where the DLLs go
#
#   ZENTAUserProgrammer-v2.05A.msi, the installer of the 32-bit programs, made with wixl
#   from tools/windows-installer.wxs: the two programs and README.txt in
#   Program Files\ZENTA User Programmer, the 32-bit simulated libraries in its simulator
#   folder, a Start menu shortcut, the .wpx association and an entry in Windows' list of
#   programs.
#
# The simulated libraries are never beside a program, so that nobody programs a
# simulator by mistake.
#
#   bash tools/package-windows.sh [--werror] [--msi-version VERSION]
#
# --werror builds as the test command does (tools/build-windows.sh). --msi-version makes
# only an installer that says it is release VERSION (four numbers),
# ZENTAUserProgrammer-v2.05A-VERSION.msi, with the same files: the install test upgrades
# with one over the real one.
set -euo pipefail
cd "$(dirname "$0")/.."
build=()
msi_version=""
while [ $# -gt 0 ]; do
  case "$1" in
    --werror) build=(--werror); shift ;;
    --msi-version) msi_version="${2:?--msi-version needs a version}"; shift 2 ;;
    *) echo "usage: package-windows.sh [--werror] [--msi-version VERSION]" >&2; exit 2 ;;
  esac
done
bash tools/install-packages.sh zip wixl msitools
bash tools/build-windows.sh "${build[@]}"

# The release's version, as the programs' version resources carry it.
setting() { sed -n "s/^set($1 \(.*\))$/\1/p" cmake/WindowsResources.cmake; }
version="$(setting ZENTA_FILE_VERSION)"
version_text="$(setting ZENTA_PRODUCT_VERSION_TEXT)"
name="ZENTAUserProgrammer-$version_text"
dist="$PWD/build/dist"
mkdir -p "$dist"

# Without debugging symbols: a tenth of the size, and nothing a user's machine needs.
ship() {  # ship ARCH FILE DESTINATION
  local strip=i686-w64-mingw32-strip
  [ "$1" = x64 ] && strip=x86_64-w64-mingw32-strip
  "$strip" -o "$3" "build/bin/windows/$1/$2"
}
# The 32-bit programs, their simulated libraries and the read-me, as zip and installer
# lay them out.
stage_x86() {  # stage_x86 FOLDER
  mkdir -p "$1/simulator"
  for program in ZENTAUserProgrammer.exe zenta.exe; do ship x86 "$program" "$1/$program"; done
  for library in TESTENGINE.DLL TESTFLASH.DLL; do ship x86 "sim/$library" "$1/simulator/$library"; done
  # Windows users read it in Notepad: CRLF line ends.
  sed 's/$/\r/' tools/windows-readme.txt > "$1/README.txt"
}

make_msi() {  # make_msi VERSION OUTPUT
  local stage="$dist/msi-stage"
  rm -rf "$stage" "$2"
  stage_x86 "$stage"
  cp build-windows/x86/ZENTAUserProgrammer.ico "$stage/"
  # wixl takes the files' sources relative to the folder it runs in.
  (cd "$stage" && wixl -a x86 -D Version="$1" -D VersionText="$version_text" -o "$2" \
    "$OLDPWD/tools/windows-installer.wxs")
  msiinfo suminfo "$2" >/dev/null
  echo "package-windows: $2"
}

if [ -n "$msi_version" ]; then
  make_msi "$msi_version" "$dist/$name-$msi_version.msi"
  exit 0
fi

stage="$dist/$name-windows"
zip="$dist/$name-windows.zip"
rm -rf "$stage" "$zip"
stage_x86 "$stage"
mkdir -p "$stage/x64" "$stage/simulator/x64"
for program in ZENTAUserProgrammer.exe zenta.exe; do ship x64 "$program" "$stage/x64/$program"; done
for library in TESTENGINE.DLL TESTFLASH.DLL; do ship x64 "sim/$library" "$stage/simulator/x64/$library"; done
(cd "$stage" && zip -q -X -r "$zip" .)
echo "package-windows: $zip"

make_msi "$version" "$dist/$name.msi"
