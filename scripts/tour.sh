#!/usr/bin/env bash
# Remakes the docs/tour/ gallery: the robot plays the short game and saves one
# picture of every screen it passes. With a language code (de, fr, es) the
# game speaks that language, as on a system set to it, and the pictures go to
# docs/tour-<code>/.
# Usage: scripts/tour.sh [build-dir] [language code]   (default: build, English)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
language=${2:-}
out=docs/tour
system_lang=C.UTF-8
if [ -n "$language" ] && [ "$language" != en ]; then
    out=docs/tour-$language
    system_lang=${language}.UTF-8
fi
cmake --build "$build" --target tessalune_robot >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
env -u LC_ALL -u LC_MESSAGES LANG="$system_lang" \
    SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1 \
    "$build/tools/robot/tessalune_robot" --shots "$scratch/shots" --user "$scratch/user"
rm -f "$out"/*.png
mkdir -p "$out"
cp "$scratch"/shots/[0-9]*.png "$out"/
ls "$out"
