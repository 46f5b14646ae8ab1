#!/usr/bin/env bash
# Installs every Debian package the build, the content tools and the tests need.
# Safe to rerun: only missing packages are fetched. Extra packages may be
# named as arguments (the fuzzing script adds its compiler).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git clang-format-16
  libsdl2-dev libgl1-mesa-dev libgl1-mesa-dri libegl-mesa0
  libpng-dev libjpeg-dev zlib1g-dev libzip-dev libogg-dev libvorbis-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libcairo2-dev libfreetype-dev libfluidsynth-dev fluid-soundfont-gm
  fonts-dejavu-core
  fonts-comic-neue fonts-noto-color-emoji libharfbuzz-dev
  sox
  xvfb openbox xdotool x11-utils imagemagick
  dpkg-dev desktop-file-utils appstream lintian
)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: these packages are missing and need root: ${missing[*]}" >&2
    exit 1
  fi
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
