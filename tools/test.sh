#!/usr/bin/env bash
# Builds everything and runs every test: unit tests and acceptance scripts, the same
# under sanitizers, the Windows program end to end under Wine, and the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh cmake make g++ libgtest-dev libgmock-dev

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2

# The same tests again under AddressSanitizer and UndefinedBehaviorSanitizer: any report
# fails the run.
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DZENTA_SANITIZE=ON
cmake --build build/sanitize -j2
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/sanitize --output-on-failure -j2

# The Windows program, cross-built, end to end under Wine and Xvfb with real window
# messages against the simulated chip libraries.
bash tests/win32/run-e2e.sh

# Each fuzz target for a short bounded time (tools/fuzz.sh; docs/robustness.md).
bash tools/fuzz.sh 10 build/fuzz
