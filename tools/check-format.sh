#!/usr/bin/env bash
# Fails when a C++ file of the program, its tests, fuzz targets or benchmarks is not laid
# out as .clang-format says, and lists those files. clang-format 14 is the one the layout
# is checked with: another version breaks some lines differently.
#   tools/check-format.sh          check
#   tools/check-format.sh --fix    rewrite the files that differ
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh clang-format-14
fix=false
if [ "${1:-}" = "--fix" ]; then fix=true; fi

mapfile -t sources < <(git ls-files --cached --others --exclude-standard -- app ui link editor records files report sim script cli tests fuzz bench |
                         grep -E '\.(cpp|h)$')
differing=()
for file in "${sources[@]}"; do
  if ! clang-format-14 --style=file --dry-run -Werror "$file" >/dev/null 2>&1; then
    differing+=("$file")
  fi
done
if [ ${#differing[@]} -eq 0 ]; then
  echo "format: ${#sources[@]} files as .clang-format lays them out"
  exit 0
fi
if $fix; then
  clang-format-14 --style=file -i "${differing[@]}"
  echo "format: rewrote ${#differing[@]} file(s)"
  exit 0
fi
printf '%s\n' "${differing[@]}" >&2
echo "format: ${#differing[@]} file(s) differ from .clang-format; tools/check-format.sh --fix rewrites them" >&2
exit 1
