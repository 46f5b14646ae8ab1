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

# pkg-config sees only these libraries, with what static linking needs. (Checks
# that try_compile runs read this file without the list: they leave the
# environment alone.)
if(TESS_DEPS_PREFIXES)
  list(PREPEND CMAKE_FIND_ROOT_PATH ${TESS_DEPS_PREFIXES})
  set(tess_pc_dirs "")
  foreach(root ${TESS_DEPS_PREFIXES})
    list(APPEND tess_pc_dirs ${root}/lib/pkgconfig)
  endforeach()
  string(REPLACE ";" ":" tess_pc_dirs "${tess_pc_dirs}")
  set(ENV{PKG_CONFIG_LIBDIR} "${tess_pc_dirs}")
  set(ENV{PKG_CONFIG_PATH} "")
endif()
set(PKG_CONFIG_ARGN --static)

# One executable with no DLL beside it: the C and C++ runtimes and the threads
# library linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
