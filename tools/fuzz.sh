#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time on its seed
# corpus. Any crash, sanitizer report, hang (an input over 5 s) or memory beyond the
# limit stops the run with the input that caused it kept in the build folder.
#   tools/fuzz.sh [SECONDS_PER_TARGET [BUILD_FOLDER]]    (defaults: 10, build/fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-10}"
build="${2:-build/fuzz}"
bash tools/install-packages.sh cmake make clang libclang-rt-14-dev

cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1" \
  -DZENTA_FUZZ=ON -DZENTA_WARNINGS_AS_ERRORS=ON -DBUILD_TESTING=OFF >/dev/null
targets=(wpx_loader ini_reader record_read script_parser sim_state library_texts production_record worker_lines)
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
  # New inputs go to the build folder's corpus; the seeds in the repo are only read.
  mkdir -p "$build/corpus/$target"
  echo "fuzz_$target: ${seconds} s"
  "$build/bin/fuzz_$target" "$build/corpus/$target" "fuzz/corpus/$target" \
    -max_total_time="$seconds" -rss_limit_mb=1024 -timeout=5 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" 2>"$build/fuzz_$target.log" ||
    { tail -50 "$build/fuzz_$target.log"; exit 1; }
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "$build/fuzz_$target.log" | tr '\n' ' '
  echo
done
