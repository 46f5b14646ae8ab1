#!/usr/bin/env bash
# Prints the game's figures side by side, all measured in this one run:
#   start-up to the first intro frame beside a bare SDL + OpenGL 3.3 window
#   presenting one frame (the floor) and the same window presenting one
#   blended, textured picture, median of five launches each;
#   CPU time per fully drawn frame of each screen beside an empty frame;
#   peak resident memory of the full robot run and what the kept songs hold;
#   the robot's full-run time.
# Usage: scripts/figures.sh [build-dir]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target tessalune_robot bench_floor >/dev/null
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export TESSALUNE_DATA_DIR="$scratch/user"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
launch() {  # prints the milliseconds the program reports from its launch
    TESS_LAUNCH_NS=$(date +%s%N) "$@" | grep -o '[0-9.]* ms after launch' | cut -d' ' -f1
}
for i in 1 2 3 4 5; do
    launch "$build/bench/floor/bench_floor" >>"$scratch/floor"
    launch "$build/bench/floor/bench_floor" --textured >>"$scratch/textured"
    launch "$build/tools/robot/tessalune_robot" --first-frame >>"$scratch/game"
done
floor=$(median <"$scratch/floor")
textured=$(median <"$scratch/textured")
game=$(median <"$scratch/game")

"$build/tools/robot/tessalune_robot" --full --figures --user "$scratch/robot" >"$scratch/robot.txt"
empty=$(sed -n 's/^figure empty-frame \([0-9.]*\) ms$/\1/p' "$scratch/robot.txt")

echo "Start-up (median of 5)             game       floor      ratio"
awk -v g="$game" -v f="$floor" \
    'BEGIN { printf "  first intro frame            %7.1f ms %7.1f ms %6.2f\n", g, f, g / f }'
awk -v t="$textured" -v f="$floor" \
    'BEGIN { printf "  floor with one textured draw %7.1f ms %7.1f ms %6.2f\n", t, f, t / f }'
echo "CPU per drawn frame                screen     empty"
sed -n 's/^figure frame "\(.*\)" \([0-9.]*\) ms$/\1|\2/p' "$scratch/robot.txt" |
    while IFS='|' read -r screen ms; do
        printf "  %-28s %7.2f ms %7.2f ms\n" "$screen" "$ms" "$empty"
    done
sed -n 's/^figure peak-rss \(.*\)$/Peak resident memory, full run     \1/p' "$scratch/robot.txt"
sed -n 's/^figure songs-kept \(.*\)$/Songs kept in memory               \1/p' "$scratch/robot.txt"
sed -n 's/^figure run-time \(.*\)$/Robot full run                     \1/p' "$scratch/robot.txt"
