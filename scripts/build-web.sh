#!/usr/bin/env bash
# Builds Tessalune for the browser (WebAssembly + WebGL 2) on Debian:
#   - installs what is missing (emscripten) and a deb-src entry for
#     Debian's source packages;
#   - builds the libraries from Debian's sources with emscripten, cached
#     (cmake/deps/);
#   - takes data.zip and the icon from the native build (build/, built first
#     when missing) and builds the game and its page into build-web/site/.
# Serve it with scripts/serve-web.sh. Safe to rerun; stops at the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${WEB_BUILD_DIR:-$root/build-web}
native=$root/build

bash scripts/install-deps.sh emscripten dpkg-dev
bash scripts/add-deb-src.sh

if [ -f "$native/build.ninja" ]; then
  cmake --build "$native" --parallel "$(nproc)" --target tess_data_archive screen_art_data
else
  bash scripts/build.sh
fi

# Debian's emscripten finds Debian's JavaScript modules (acorn) here when the
# node on the path is another one.
export NODE_PATH=/usr/share/nodejs
prefixes=$(TESS_DEPS_WRAPPER=emcmake bash cmake/deps/build-deps.sh web cmake/web/emscripten.cmake \
  zlib libpng libjpeg-turbo libogg libvorbis libzip sdl2)

# -Os: 150 KB less to download than -O2 (the page's 12 MB hold the game's
# data too), at no frame time measurable in headless Chromium.
emcmake cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_C_FLAGS_RELEASE="-Os -DNDEBUG" -DCMAKE_CXX_FLAGS_RELEASE="-Os -DNDEBUG" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/web/emscripten.cmake" \
  -DTESS_DEPS_PREFIXES="$prefixes" -DTESS_NATIVE_BUILD="$native" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
download=$(cd "$build/site" && cat index.html page.js favicon.png tessalune.js tessalune.wasm tessalune.data | wc -c)
echo "build-web: $build/site/ is ready; the page downloads $download bytes in all"
