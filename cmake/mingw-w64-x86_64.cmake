# Cross build for 64-bit Windows with Debian's mingw-w64 (posix thread model). Only the
# compilers and where to find the target's libraries; tools/build-windows.sh chooses the
# output folder and turns the native unit tests off.
#
#   cmake -S . -B build-windows/x64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZENTA_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
