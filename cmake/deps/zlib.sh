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
