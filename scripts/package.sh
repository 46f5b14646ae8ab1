#!/usr/bin/env bash
# Builds the Debian package of the game into build/package/ from the build/
# tree (configured and built as scripts/build.sh does, but only what the
# package holds). Install it with: apt install ./build/package/tessalune_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build="${BUILD_DIR:-build}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" ${CMAKE_ARGS:-}
cmake --build "$build" --parallel "$(nproc)" --target tessalune tessalune-levels tess_packaging_files
(cd "$build" && cpack -G DEB --config CPackConfig.cmake)
deb=$(ls -t "$build"/package/tessalune_*.deb | head -n 1)
if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb"
fi
echo "package: $deb"
