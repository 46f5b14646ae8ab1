# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 GCC (posix threads).
# The static libraries the game links come from cmake/deps/build-deps.sh; give
# their prefixes as TESS_DEPS_PREFIXES.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(tess_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${tess_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${tess_mingw}-g++-posix)
set(CMAKE_ASM_COMPILER ${tess_mingw}-gcc-posix)
set(CMAKE_RC_COMPILER ${tess_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${tess_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)

include(${CMAKE_CURRENT_LIST_DIR}/../deps_prefixes.cmake)

# One executable with no DLL beside it: the C and C++ runtimes and the threads
# library linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
