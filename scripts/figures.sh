#!/usr/bin/env bash
# Prints the game's figures side by side, all measured in this one run:
#   start-up to the first intro frame, in a window of the game's own size and
#   in full screen (a first start's setting, where every loading-screen frame
#   is scaled to the display), beside a bare SDL + OpenGL 3.3 window
#   presenting one frame (the floor) and the same window presenting one
#   blended, textured picture, median of five launches each;
#   CPU time per fully drawn frame of each screen beside an empty frame and
#   the floor program's own frame (clear and present), in a window of the
#   game's own size, and the empty frame in full screen;
#   peak resident memory of the full robot run and what the kept songs hold;
#   the robot's full-run time;
#   the densest level played for ten seconds in a real window (Xvfb and
#   openbox): presented frames per second and the longest frame.
# Usage: scripts/figures.sh [build-dir]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target tessalune_robot bench_floor >/dev/null
robot=$(realpath "$build/tools/robot/tessalune_robot")
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export TESSALUNE_DATA_DIR="$scratch/user"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
launch() {  # prints the milliseconds the program reports from its launch
    TESS_LAUNCH_NS=$(date +%s%N) "$@" | grep -o '[0-9.]* ms after launch' | cut -d' ' -f1
}
windowed="$scratch/windowed"
mkdir -p "$windowed"
printf 'Fullscreen=0\r\n' >"$windowed/app.dat"
for i in 1 2 3 4 5; do
    launch "$build/bench/floor/bench_floor" >>"$scratch/floor"
    launch "$build/bench/floor/bench_floor" --textured >>"$scratch/textured"
    TESSALUNE_DATA_DIR="$windowed" launch "$robot" --first-frame >>"$scratch/game"
    launch "$robot" --first-frame >>"$scratch/game-full-screen"
    "$build/bench/floor/bench_floor" --frames 40 |
        sed -n 's/^frame \([0-9.]*\) ms of CPU$/\1/p' >>"$scratch/floor-frame"
done
floor=$(median <"$scratch/floor")
textured=$(median <"$scratch/textured")
game=$(median <"$scratch/game")
gameFullScreen=$(median <"$scratch/game-full-screen")
floorFrame=$(median <"$scratch/floor-frame")

"$robot" --full --figures --user "$scratch/robot" >"$scratch/robot.txt"
empty=$(sed -n 's/^figure empty-frame \([0-9.]*\) ms$/\1/p' "$scratch/robot.txt")

# Ten seconds of the densest level in a real window; skipped without Xvfb.
windowStatus=0
(
    source tests/window/window_lib.sh >/dev/null
    start_desktop
    "$robot" --window 10 --user "$work/robot" | sed -n 's/^figure window //p'
) >"$scratch/window.txt" 2>"$scratch/window.err" || windowStatus=$?

echo "Start-up (median of 5)             game       floor      ratio"
awk -v g="$game" -v f="$floor" \
    'BEGIN { printf "  first intro frame            %7.1f ms %7.1f ms %6.2f\n", g, f, g / f }'
awk -v g="$gameFullScreen" -v f="$floor" \
    'BEGIN { printf "  the same in full screen      %7.1f ms %7.1f ms %6.2f\n", g, f, g / f }'
awk -v t="$textured" -v f="$floor" \
    'BEGIN { printf "  floor with one textured draw %7.1f ms %7.1f ms %6.2f\n", t, f, t / f }'
echo "CPU per drawn frame, 800 x 600 window   ms   x empty"
printf "  %-28s %7.2f ms\n" "floor program's own frame" "$floorFrame"
printf "  %-28s %7.2f ms\n" "empty frame" "$empty"
sed -n 's/^figure frame "\(.*\)" \([0-9.]*\) ms$/\1|\2/p' "$scratch/robot.txt" |
    while IFS='|' read -r screen ms; do
        awk -v s="$screen" -v m="$ms" -v e="$empty" \
            'BEGIN { printf "  %-28s %7.2f ms %6.1f\n", s, m, (e > 0 ? m / e : 0) }'
    done
sed -n 's/^figure empty-frame-full-screen \([0-9.]*\) ms$/\1/p' "$scratch/robot.txt" |
    xargs printf "  %-28s %7.2f ms\n" "empty frame, full screen"
sed -n 's/^figure peak-rss \(.*\)$/Peak resident memory, full run     \1/p' "$scratch/robot.txt"
sed -n 's/^figure songs-kept \(.*\)$/Songs kept in memory               \1/p' "$scratch/robot.txt"
sed -n 's/^figure run-time \(.*\)$/Robot full run                     \1/p' "$scratch/robot.txt"
if [ "$windowStatus" = 0 ]; then
    echo "Real window (Xvfb), densest level, 10 s: $(cat "$scratch/window.txt")"
elif [ "$windowStatus" = 77 ]; then
    echo "Real window (Xvfb): skipped (Xvfb, openbox, xdotool or ImageMagick is missing)"
else
    echo "Real window (Xvfb): FAILED"
    tail -5 "$scratch/window.err"
    exit 1
fi
