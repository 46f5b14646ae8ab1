#!/usr/bin/env bash
# Remakes the docs/tour/ gallery: the robot plays the short game and saves one
# picture of every screen it passes.
# Usage: scripts/tour.sh [build-dir]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target tessalune_robot >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1 \
    "$build/tools/robot/tessalune_robot" --shots "$scratch/shots" --user "$scratch/user"
rm -f docs/tour/*.png
mkdir -p docs/tour
cp "$scratch"/shots/[0-9]*.png docs/tour/
ls docs/tour
