#!/usr/bin/env bash
# Cross-builds the Windows programs with Debian's mingw-w64 (installed when missing):
# ZENTAUserProgrammer.exe, zenta.exe and the end-to-end test driver land in
# build/bin/windows/, the simulated TESTENGINE.DLL and TESTFLASH.DLL in
# build/bin/windows/sim/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh cmake make g++-mingw-w64-x86-64-posix libcli11-dev nlohmann-json3-dev

cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG" >/dev/null
cmake --build build-windows -j2
