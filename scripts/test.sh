#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless; then builds
# for Windows with the same data.zip and runs the Windows tests under Wine
# (scripts/build-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
(
  export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1
  cd build
  ctest --output-on-failure --parallel "$(nproc)" --timeout 600
)
bash scripts/build-windows.sh
