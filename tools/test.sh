#!/usr/bin/env bash
# Builds everything and runs every test: unit tests and acceptance scripts, the static
# checks, the same tests under sanitizers, the Windows program end to end under Wine, and
# the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh cmake make g++ libgtest-dev libgmock-dev libcli11-dev nlohmann-json3-dev time

# Tests want a quick build more than optimised code: the cross build below compiles the
# program optimised, the benchmarks (docs/performance.md) measure it.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 -DZENTA_WARNINGS_AS_ERRORS=ON
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2
# The configuration sheets printed by headless Chromium on A4 and Letter
# (tests/report/run-browser.sh).
bash tests/report/run-browser.sh build/bin/zenta

# The rooms include only the rooms below them (tools/check-layers.sh).
bash tools/check-layers.sh
# Every C++ file laid out as .clang-format says (tools/check-format.sh).
bash tools/check-format.sh

# Static checks: clang-tidy with .clang-tidy over the program's sources (tools/tidy.sh).
bash tools/tidy.sh build
# C runtime open modes that Windows' msvcrt.dll takes (tools/check-open-modes.sh).
bash tools/check-open-modes.sh

# The same tests again under AddressSanitizer and UndefinedBehaviorSanitizer: any report
# fails the run.
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1" -DZENTA_SANITIZE=ON \
  -DZENTA_WARNINGS_AS_ERRORS=ON
cmake --build build/sanitize -j2
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/sanitize --output-on-failure -j2

# The Windows program, cross-built for both architectures as released (optimised, warnings
# as errors), end to end under Wine and Xvfb with real window messages against the
# simulated chip libraries: the 32-bit build under 32-bit Wine, then a shorter 64-bit run.
bash tests/win32/run-e2e.sh
# The production line on Windows: zenta.exe with its worker processes over two simulated
# adapters, a worker ended by TerminateProcess, Ctrl-C through the console.
bash tests/win32/run-production.sh
# File names outside the ANSI code page under a German locale, and chip libraries of the
# other bitness, for both builds.
bash tests/win32/run-paths.sh build/bin/windows/x86
bash tests/win32/run-paths.sh build/bin/windows/x64
# The release: the programs' icon and version, the zip, and the installer under 32-bit
# Wine: install, the .wpx association, the chip libraries on PATH, upgrade, uninstall.
bash tests/win32/run-install.sh

# Each fuzz target for a short bounded time (tools/fuzz.sh; docs/robustness.md).
bash tools/fuzz.sh 10 build/fuzz
