#!/usr/bin/env bash
# The simulated chip libraries of one architecture export exactly the ordinals the
# programmer binds, by ordinal only (no names), so that they stand in for the chip maker's
# libraries as the binding expects them.
#
#   bash tests/win32/check-exports.sh x86|x64
set -euo pipefail
cd "$(dirname "$0")/../.."
arch="${1:?usage: check-exports.sh x86|x64}"
case "$arch" in
  x86) objdump=i686-w64-mingw32-objdump ;;
  x64) objdump=x86_64-w64-mingw32-objdump ;;
  *) echo "check-exports: unknown architecture $arch" >&2; exit 2 ;;
esac
sim="build/bin/windows/$arch/sim"
failed=0
check() {  # check LIBRARY "ORDINALS, ascending"
  local table ordinals names
  table="$("$objdump" -p "$sim/$1")"
  ordinals="$(echo "$table" | sed -n '/^Export Address Table -- Ordinal Base/,/^$/p' \
    | sed -n 's/.*+base\[ *\([0-9]*\)\].*/\1/p' | tr '\n' ' ' | sed 's/ $//')"
  names="$(echo "$table" | sed -n 's/^\t\[Name Pointer\/Ordinal\] Table\t*\([0-9a-f]*\)$/\1/p')"
  if [ "$ordinals" = "$2" ] && [ "$names" = "00000000" ]; then
    echo "ok    $arch $1 exports ordinals $ordinals, no names"
  else
    echo "FAIL  $arch $1: expected ordinals '$2' and no names, got '$ordinals' and name table size '$names'"
    failed=1
  fi
}
check TESTENGINE.DLL "62 74 134 136 145 176 230 235"
check TESTFLASH.DLL "9"
exit "$failed"
