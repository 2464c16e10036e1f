#!/usr/bin/env bash
# The main job with the real window: builds the Windows program, puts the simulated chip
# libraries beside it, attaches a simulated handset at factory settings and starts the
# program under Wine on this display. Installs mingw-w64 and Wine when missing.
#
#   bash tools/run-windows.sh [x86|x64]
#
# x86, the 32-bit build that installers use with the chip maker's libraries, unless told
# otherwise or the machine runs no 32-bit programs. Each architecture has a Wine prefix of
# its own ($HOME/.wine-zenta-x86 or -x64) unless WINEPREFIX names one.
#
# The simulated libraries and `zenta sim` share the bench state file: the one named by
# ZENTA_SIM_STATE, or else the Linux default $HOME/.zenta/sim-unit.txt, so that the
# native `build/bin/zenta sim show` sees what the Windows program did to the unit.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
  echo "run-windows: no display (DISPLAY is not set); run it on a desktop, or under xvfb-run" >&2
  exit 1
fi
arch="${1:-x86}"
case "$arch" in
  x86|x64) ;;
  *) echo "usage: run-windows.sh [x86|x64]" >&2; exit 2 ;;
esac
bash tools/install-packages.sh wine wine32:i386 wine64
bash tools/build-windows.sh
. tests/win32/wine.sh
if [ "$arch" = x86 ] && ! wine_runs x86; then
  echo "run-windows: this machine runs no 32-bit programs; starting the 64-bit build" >&2
  arch=x64
fi
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-zenta-$arch}"
use_wine "$arch" "$PWD/build/wine-bin/$arch"

bin="build/bin/windows/$arch"
cp "$bin/sim/TESTENGINE.DLL" "$bin/sim/TESTFLASH.DLL" "$bin/"

export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml="
state="${ZENTA_SIM_STATE:-$HOME/.zenta/sim-unit.txt}"
mkdir -p "$(dirname "$state")"
ZENTA_SIM_STATE="$(winepath -w "$state")"
export ZENTA_SIM_STATE
# Wine's own fonts (MS Sans Serif, Tahoma, Marlett for the title bar buttons), where this
# Wine does not find them by itself.
cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true

wine "$bin/zenta.exe" sim attach handset
echo "run-windows: simulated unit in $state; starting the programmer"
exec wine "$bin/ZENTAUserProgrammer.exe"
