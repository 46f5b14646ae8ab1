#!/usr/bin/env bash
# Runs the browser tests against the browser build: serves the site on a free
# port of 127.0.0.1, plays it in Debian's Chromium (headless, through
# playwright-core from npm, installed from package-lock.json; no browser is
# downloaded), stops the server and ends with "N passed, N failed".
#
#   tests/web/run.sh [SITE_FOLDER]     (default build-web/site)
#
# The server serves SITE_FOLDER's parent, where the robot's page
# (robot-site/) sits too. Screenshots go to SITE_FOLDER/../web-shots/.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
site=$(realpath "${1:-$root/build-web/site}")
shots=$(dirname "$site")/web-shots
[ -f "$site/index.html" ] || { echo "web tests: $site is not built (scripts/build-web.sh)" >&2; exit 1; }

bash "$root/scripts/install-deps.sh" chromium
command -v npm >/dev/null || bash "$root/scripts/install-deps.sh" npm
export PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1
stamp=$here/node_modules/.tess-lock
if ! cmp -s "$here/package-lock.json" "$stamp" 2>/dev/null; then
  (cd "$here" && npm ci --ignore-scripts --no-audit --no-fund >/dev/null)
  cp "$here/package-lock.json" "$stamp"
fi

server_log=$(mktemp)
python3 "$root/scripts/web_server.py" "$(dirname "$site")" 0 >"$server_log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -f "$server_log"' EXIT
for _ in $(seq 100); do
  grep -q '^serving ' "$server_log" && break
  kill -0 "$server" 2>/dev/null || { cat "$server_log" >&2; exit 1; }
  sleep 0.1
done
address=$(sed -n 's/^serving //p' "$server_log")
[ -n "$address" ] || { echo "web tests: the server did not start" >&2; exit 1; }

node "$here/browser_test.mjs" "$address$(basename "$site")/" "$address"robot-site/ "$shots"
