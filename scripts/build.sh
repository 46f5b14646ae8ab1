#!/usr/bin/env bash
# Configures and builds the game, its tools and its tests into build/, as a
# Release build (what players run) with warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" ${CMAKE_ARGS:-}
cmake --build build --parallel "$(nproc)"
