#!/usr/bin/env bash
# The rooms of the program and which others each may include: a lower room never
# includes a higher one (ui -> editor -> records, files, link -> report -> app -> script,
# cli; sim beside link). Every #include "room/..." of a room's sources is checked against
# the table; any other include fails the run with the line that made it.
# Includes in angle brackets are the system's and the libraries'.
#   tools/check-layers.sh
set -euo pipefail
cd "$(dirname "$0")/.."

# room (folder of sources): the rooms it may include besides itself. A room's win32
# sub-folder is its front end on Windows and may include what the room may, and the
# room itself.
declare -A may_include=(
  [ui]=""
  [editor]="ui"
  [link]="ui"
  [records]="ui editor link"
  [files]="ui editor records"
  [report]="ui editor records files"
  [app]="ui editor records files link report"
  [sim]="ui link"
  [script]="ui editor records files link report app sim"
  [cli]="ui ui/win32 editor records files link link/win32 report app sim script cli/win32"
  [ui/win32]="ui"
  [cli/win32]="ui ui/win32"
  [link/win32]="ui ui/win32 link"
  [sim/win32]="ui link link/win32 sim"
  [app/win32]="ui editor records files link report app ui/win32 link/win32"
)

status=0
for room in "${!may_include[@]}"; do
  [ -d "$room" ] || continue
  allowed=" $room ${may_include[$room]} "
  # A room's own sub-folders belong to it, except a win32 front end, a room of its own.
  while IFS= read -r hit; do
    included=$(sed -E 's/.*#include "([^"]*)".*/\1/' <<<"${hit#*:*:}")
    target="${included%/*}"
    case "$target" in
      */win32) ;;
      */*) target="${target%%/*}" ;;
    esac
    [ "$target" = "$included" ] && continue  # a file beside the source, no room named
    [[ "$allowed" == *" $target "* ]] && continue
    echo "$hit: $room may not include $target" >&2
    status=1
  done < <(find "$room" \( -path "$room/win32" -prune -o -path "$room/*/win32" -prune \) -o \
             \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 grep -Hn '^#include "' || true)
done
[ "$status" = 0 ] && echo "layers: every include goes to a room below"
exit "$status"
