# Cross build for 32-bit Windows with Debian's mingw-w64 (posix thread model): the build
# that loads the chip maker's 32-bit libraries. Only the compilers and where to find the
# target's libraries; tools/build-windows.sh chooses the output folder and turns the
# native unit tests off.
#
#   cmake -S . -B build-windows/x86 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZENTA_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
