#!/usr/bin/env bash
# Builds the game and its tests with AddressSanitizer, UBSan and LeakSanitizer
# (GCC) into build-asan/ and runs the whole suite headless. Leaks reported from
# Mesa's software driver are suppressed (tests/sanitizer/lsan.supp); any other
# leak, overflow or undefined behaviour fails its test.
#
#   scripts/test-sanitized.sh [ctest arguments...]   e.g. -R fuzz
#
# With no arguments it also plays the robot's short game, and the monkey test
# runs its 20 000 frames (TESS_MONKEY_FRAMES).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${ASAN_BUILD_DIR:-$root/build-asan}
bash scripts/install-deps.sh
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  -DTESS_SANITIZE=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"

export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export TESS_MONKEY_FRAMES=${TESS_MONKEY_FRAMES:-20000}
cd "$build"
status=0
ctest --output-on-failure --parallel "$(nproc)" --timeout 3600 "$@" || status=1
if [ $# -eq 0 ]; then
  # The robot's short game, start to end.
  ./tools/robot/tessalune_robot --user "$build/robot-sanitized-user" \
    --log "$build/robot-sanitized.log" || status=1
fi
exit $status
