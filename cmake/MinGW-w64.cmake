# Toolchain for the Windows build: Debian's MinGW-w64 (posix threads), x86-64, all static.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_HOST x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_HOST}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_HOST}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_HOST}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_HOST})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# No runtime DLL beside the programs: the C++ runtime, libgcc and winpthreads go in whole.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# Release programs without their symbols, which would double their size.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
