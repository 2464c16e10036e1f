#!/usr/bin/env bash
# The main job: builds the programmer and runs the demonstration script against a
# simulated handset, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh cmake make g++ libgtest-dev libgmock-dev

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target zenta
build/bin/zenta script -v examples/demo.zs
