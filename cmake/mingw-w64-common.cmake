# What both mingw-w64 toolchain files share, once ZENTA_MINGW_PREFIX names the target.
# The runtime is linked statically, so the programs need no extra DLLs beside them.

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
