# Cross build for 64-bit Windows with Debian's mingw-w64 (posix thread model).
# The runtime is linked statically, so the programs need no extra DLLs beside them.
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#
# Programs land in build/bin/windows/ of the source tree, the simulated chip libraries
# in build/bin/windows/sim/. The GoogleTest unit tests are for the native build only.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZENTA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZENTA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZENTA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZENTA_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZENTA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

set(BUILD_TESTING OFF CACHE BOOL "The unit tests run in the native build")
get_filename_component(ZENTA_SOURCE_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(ZENTA_WINDOWS_BIN_DIR "${ZENTA_SOURCE_ROOT}/build/bin/windows" CACHE PATH
    "Where the Windows programs are written")
