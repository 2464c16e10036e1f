#!/usr/bin/env bash
# Cross-builds the Windows programs with Debian's mingw-w64 (installed when missing), for
# both architectures:
#
#   build/bin/windows/x86/  32-bit: ZENTAUserProgrammer.exe, zenta.exe and the driver of
#                           the end-to-end test; the build for the chip maker's 32-bit DLLs
#   build/bin/windows/x64/  the same for 64-bit Windows
#
# each with the simulated TESTENGINE.DLL and TESTFLASH.DLL in its sim/ folder. Python 3 draws
# the program's icon (tools/make-icon.py).
#
#   bash tools/build-windows.sh [--werror]
#
# --werror turns every compiler warning into an error, as the test command does.
set -euo pipefail
cd "$(dirname "$0")/.."
werror=OFF
if [ "${1:-}" = "--werror" ]; then werror=ON; fi
bash tools/install-packages.sh cmake make g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix \
  libcli11-dev nlohmann-json3-dev python3

for arch in x86 x64; do
  case "$arch" in
    x86) toolchain=cmake/mingw-w64-i686.cmake ;;
    x64) toolchain=cmake/mingw-w64-x86_64.cmake ;;
  esac
  cmake -S . -B "build-windows/$arch" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DBUILD_TESTING=OFF \
    -DCMAKE_BUILD_TYPE=Release \
    -DZENTA_WARNINGS_AS_ERRORS="$werror" -DZENTA_WINDOWS_BIN_DIR="$PWD/build/bin/windows/$arch" >/dev/null
  cmake --build "build-windows/$arch" -j2
done
