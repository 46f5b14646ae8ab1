# Included by a cross toolchain file: the libraries built by
# cmake/deps/build-deps.sh, listed as TESS_DEPS_PREFIXES, are searched first,
# and pkg-config sees only them, with what static linking needs. (Checks that
# try_compile runs read the toolchain file without the list: they leave the
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
