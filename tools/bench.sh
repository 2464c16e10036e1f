#!/usr/bin/env bash
# Builds the benchmarks with the project's usual optimisation and runs them; the
# arguments go to Google Benchmark (e.g. --benchmark_filter=Device --benchmark_repetitions=5).
#   tools/bench.sh [BENCHMARK_OPTIONS...]     (build folder: build/bench, or $ZENTA_BENCH_BUILD)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${ZENTA_BENCH_BUILD:-build/bench}"
bash tools/install-packages.sh cmake make g++ libbenchmark-dev

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENTA_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j2 --target zenta_benchmarks
"$build/bin/zenta_benchmarks" "$@"
