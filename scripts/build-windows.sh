#!/usr/bin/env bash
# Builds Tessalune for 64-bit Windows on Debian and runs the Windows tests
# under Wine in Xvfb:
#   - installs what is missing (MinGW-w64, Wine, NSIS, Xvfb and helpers) and a
#     deb-src entry for Debian's source packages (scripts/add-deb-src.sh);
#   - builds the libraries from Debian's sources, cached (cmake/deps/);
#   - takes data.zip and the icons from the native build (build/, built first
#     when missing), cross-builds into build-windows/ and packs the installer
#     and the portable zip into build-windows/package/;
#   - runs tests/windows/wine_suite.sh (TESS_WINDOWS_TESTS=0 skips it).
# Safe to rerun; stops at the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${WINDOWS_BUILD_DIR:-$root/build-windows}
native=$root/build

bash scripts/install-deps.sh g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
  wine wine64 nsis xvfb xauth x11-apps netpbm icoutils dpkg-dev
bash scripts/add-deb-src.sh

if [ -f "$native/build.ninja" ]; then
  cmake --build "$native" --parallel "$(nproc)" --target tess_data_archive screen_art_data
else
  bash scripts/build.sh
fi

prefixes=$(bash cmake/deps/build-deps.sh windows-x86_64 cmake/windows/mingw-w64.cmake \
  zlib libpng libjpeg-turbo libogg libvorbis libzip sdl2 googletest)

# -O2 as on Linux (GCC 12 misreads std::string at -O3 and warns); stripped.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-s \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/windows/mingw-w64.cmake" \
  -DTESS_DEPS_PREFIXES="$prefixes" -DTESS_NATIVE_BUILD="$native" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
cmake --build "$build" --target windows_package

if [ "${TESS_WINDOWS_TESTS:-1}" != 0 ]; then
  bash tests/windows/wine_suite.sh "$build" "$native"
fi
echo "build-windows: $build/package/ holds $(cd "$build/package" && echo *)"
