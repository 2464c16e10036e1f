# Sourced by the Wine tests.
#
# wine_runs ARCH tells whether this machine runs Wine for ARCH (x86 or x64): a kernel
# booted without 32-bit support (ia32_emulation=off) refuses Wine's 32-bit loader.
#
# use_wine ARCH DIR exports WINEARCH and puts `wine` and `wine-stable` for ARCH first on
# PATH, in DIR: Debian's wine script always starts the 32-bit loader once wine32 is
# installed, also for a 64-bit prefix, and wineboot, winepath and msiexec start it through
# wine-stable.
wine_runs() {
  case "$1" in
    x86) /usr/lib/wine/wine --version >/dev/null 2>&1 ;;
    x64) /usr/lib/wine/wine64 --version >/dev/null 2>&1 ;;
    *) return 1 ;;
  esac
}

use_wine() {
  local loader
  case "$1" in
    x86) loader=/usr/lib/wine/wine; export WINEARCH=win32; unset WINELOADER ;;
    x64) loader=/usr/lib/wine/wine64; export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 ;;
    *) echo "use_wine: no architecture $1" >&2; return 1 ;;
  esac
  mkdir -p "$2"
  for name in wine wine-stable; do
    printf '#!/bin/sh\nexec %s "$@"\n' "$loader" >"$2/$name"
    chmod +x "$2/$name"
  done
  export PATH="$2:$PATH"
}

# prepare_prefix SIZE [DPI] makes or updates $WINEPREFIX for programs with windows and starts
# its desktop: Wine's own fonts, one virtual desktop of SIZE (WIDTHxHEIGHT) for the programs
# and the test's driver, so that they see each other's windows, and the display's DPI when
# given (set on every run, since a prefix may be kept between runs).
prepare_prefix() {
  timeout 300 wineboot -i >/dev/null 2>&1
  # Wine's own fonts (MS Sans Serif, Tahoma, Marlett for the title bar buttons), where this
  # Wine does not find them by itself.
  cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$1" /f >/dev/null 2>&1
  if [ -n "${2:-}" ]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f >/dev/null 2>&1
  fi
  # A new prefix's default desktop was made by wineboot's own processes, before it was set
  # to be a virtual one, and stays as made while their Wine server runs. Its windows stand
  # on the bare display, where no window manager runs, and each one hidden (every prompt and
  # dialog closed) costs 2 s: Wine waits that long for a window manager to withdraw it. A
  # new server makes the desktop as set.
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
  wine explorer /desktop="Default,$1" >/dev/null 2>&1 &
  sleep 3  # the desktop first, as a person's session has it; a window made meanwhile lacks its frame
}

# skip_unless_wine_runs ARCH NAME: ends the calling test with a plain notice, and success,
# where this machine cannot run ARCH at all.
skip_unless_wine_runs() {
  if ! wine_runs "$1"; then
    echo "$2: SKIPPED $1: this machine runs no $1 Wine (its kernel refuses 32-bit programs:" \
      "$({ /usr/lib/wine/wine --version; } 2>&1 | tail -1 | sed 's/.*: //'))"
    exit 0
  fi
}
