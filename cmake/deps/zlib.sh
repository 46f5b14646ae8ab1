# zlib: compression for libpng and libzip. Debian's source leaves out the
# Windows resource file that zlib's shared library needs: only the static
# library is built, and installed by hand under its usual name.
source_package=zlib
dev_package=zlib1g-dev
cmake_args=()
build_targets=(zlibstatic)
install_step() {  # build dir, source dir, prefix
  mkdir -p "$3/lib/pkgconfig" "$3/include"
  cp "$1/libzlibstatic.a" "$3/lib/libz.a"
  cp "$2/zlib.h" "$1/zconf.h" "$3/include/"
  cp "$1/zlib.pc" "$3/lib/pkgconfig/"
}
# Only the static library is built: its target keeps its own file name where
# the shared one (static too on systems without shared libraries) is named z,
# and the resource file the shared target lists may be missing.
before_configure() {  # source dir
  sed -i 's/set_target_properties(zlib zlibstatic PROPERTIES OUTPUT_NAME z)/set_target_properties(zlib PROPERTIES OUTPUT_NAME z)/' \
    "$1/CMakeLists.txt"
  mkdir -p "$1/win32"
  [ -f "$1/win32/zlib1.rc" ] || : >"$1/win32/zlib1.rc"
}
