#!/usr/bin/env bash
# Serves the browser build (build-web/site/, made by scripts/build-web.sh) at
# http://127.0.0.1:8080 for local play; PORT=... picks another port.
set -euo pipefail
cd "$(dirname "$0")/.."
site=${WEB_SITE_DIR:-build-web/site}
[ -f "$site/index.html" ] || { echo "serve-web: $site is not built: run bash scripts/build-web.sh" >&2; exit 1; }
exec python3 scripts/web_server.py "$site" "${PORT:-8080}"
