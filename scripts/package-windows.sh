#!/usr/bin/env bash
# Writes the Windows installer (Tessalune-Setup-<version>.exe) and the portable
# zip into build-windows/package/: scripts/build-windows.sh without its tests.
set -euo pipefail
cd "$(dirname "$0")/.."
TESS_WINDOWS_TESTS=0 bash scripts/build-windows.sh
