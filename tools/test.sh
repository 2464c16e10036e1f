#!/usr/bin/env bash
# Builds everything and runs every test: unit tests and acceptance scripts.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh cmake make g++ libgtest-dev libgmock-dev

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2
