#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless; then builds
# for Windows with the same data.zip and runs the Windows tests under Wine
# (scripts/build-windows.sh); then builds for the browser and plays it in
# headless Chromium (scripts/build-web.sh, tests/web/run.sh).
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
bash scripts/build-web.sh
bash tests/web/run.sh
