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

# skip_unless_wine_runs ARCH NAME: ends the calling test with a plain notice, and success,
# where this machine cannot run ARCH at all.
skip_unless_wine_runs() {
  if ! wine_runs "$1"; then
    echo "$2: SKIPPED $1: this machine runs no $1 Wine (its kernel refuses 32-bit programs:" \
      "$({ /usr/lib/wine/wine --version; } 2>&1 | tail -1 | sed 's/.*: //'))"
    exit 0
  fi
}
