#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game (arguments are passed on).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
cd build
exec ./tessalune "$@"
