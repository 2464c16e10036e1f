#!/usr/bin/env bash
# clang-tidy with the checks of .clang-tidy over the program's sources and the headers
# they include, as the main build compiles them (its compile_commands.json). Any finding
# fails. With "tests" the unit tests are checked too, which doubles the time.
#   tools/tidy.sh [BUILD_FOLDER [tests]]     (default: build, which tools/test.sh configures)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
folders="app|ui|link|editor|records|files|report|sim|script|cli|cli/[a-z]+"
[ "${2:-}" = tests ] && folders="$folders|tests/unit"
bash tools/install-packages.sh clang-tidy

if [ ! -f "$build/compile_commands.json" ]; then
  echo "no $build/compile_commands.json: configure the build first" >&2
  exit 1
fi
# The unit tests' precompiled header is GCC's, which clang cannot read: clang-tidy gets a
# copy of the compile commands that includes the header's text instead.
tidy="$build/tidy"
mkdir -p "$tidy"
python3 - "$build" "$tidy" <<'PY'
import json, os, re, shutil, sys
build, tidy = (os.path.abspath(p) for p in sys.argv[1:])
entries = json.load(open(os.path.join(build, "compile_commands.json")))
def plain_header(match):
    header = match.group(1)
    copy = os.path.join(tidy, os.path.basename(os.path.dirname(header)) + ".hxx")
    shutil.copyfile(header, copy)
    return "-include " + copy
for entry in entries:
    entry["command"] = re.sub(r"-include (\S*cmake_pch\.hxx)", plain_header, entry["command"])
json.dump(entries, open(os.path.join(tidy, "compile_commands.json"), "w"), indent=1)
PY

# The platform front ends (win32 folders) are not part of this build; the POSIX file layer is.
log="$build/clang-tidy.log"
status=0
run-clang-tidy -p "$tidy" -quiet -j 2 "$PWD/($folders)/(posix/)?[^/]+\.cpp\$" \
  >"$log" 2>&1 || status=$?
grep -v -E '^(clang-tidy |[0-9]+ warnings? (and [0-9]+ errors? )?generated|Suppressed [0-9]+ warnings|Use -header-filter)' \
  "$log" || true
echo "clang-tidy: $(grep -c -E '(warning|error): ' "$log" || true) finding(s)"
exit "$status"
