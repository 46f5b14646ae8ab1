#!/usr/bin/env bash
# Runs the game once from the build folder with an empty settings folder: it
# must start, run its module loop to the end, exit 0 and leave a scrambled
# app.dat behind. Then once more with the staged data folder hidden, to show
# that the executable carries its own archive.
set -euo pipefail
game="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

export TESSALUNE_DATA_DIR="$work/userdata"
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy

cd "$work"
"$game" &
pid=$!
# SIGTERM ends the game at its next frame, settings and scores written; it is
# sent again until the game has gone.
for _ in $(seq 60); do
    sleep 2
    kill -0 "$pid" 2>/dev/null || break
    kill -TERM "$pid" 2>/dev/null || true
done
wait "$pid"
settings="$TESSALUNE_DATA_DIR/app.dat"
test -s "$settings" || { echo "no app.dat written"; exit 1; }
if grep -q -e '^Fullscreen=' -e '^locale=' "$settings"; then
    echo "app.dat holds plain keys"; exit 1
fi
lines=$(grep -c '^@@' "$settings")
[ "$lines" -ge 2 ] || { echo "app.dat holds $lines scrambled lines"; exit 1; }
echo "first run: $lines scrambled settings lines"
