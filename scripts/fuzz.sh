#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (AddressSanitizer and UBSan)
# and runs each for a while, one at a time, at the lowest priority.
#
#   scripts/fuzz.sh [-m MINUTES] [-j JOBS] [target ...]
#
# MINUTES per target (default 10). Targets are the names under tests/fuzz/corpus/
# (all when none are named). New inputs go to build-fuzz/fuzz-work/<target>/;
# a crash, leak, hang or oversized allocation leaves its input in
# build-fuzz/fuzz-findings/ and makes the script exit non-zero. Add each such
# input to the target's corpus.
# FUZZ_NO_BUILD=1 runs what is built already. FUZZ_TIMEOUT (seconds, default 60)
# is what counts as a hang: generous, since at nice 19 on a busy machine one
# input may wait seconds for the CPU.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
minutes=10
jobs=2
while getopts "m:j:" opt; do
  case $opt in
    m) minutes=$OPTARG ;;
    j) jobs=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))

bash "$root/scripts/install-deps.sh" clang-16 libfuzzer-16-dev libclang-rt-16-dev llvm-16

build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
if [ -z "${FUZZ_NO_BUILD:-}" ]; then
  launcher=()
  if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-16 -DCMAKE_CXX_COMPILER=clang++-16 "${launcher[@]}" \
    -DTESS_SANITIZE=ON -DTESS_FUZZ=ON \
    -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
  cmake --build "$build" -j "$jobs" --target fuzz_targets
fi

if [ $# -eq 0 ]; then
  set -- $(ls tests/fuzz/corpus)
fi

symbolizer=$(command -v llvm-symbolizer-16 || command -v llvm-symbolizer || true)
if [ -n "$symbolizer" ]; then
  export ASAN_SYMBOLIZER_PATH=$symbolizer
fi
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export LSAN_OPTIONS=suppressions=$root/tests/fuzz/lsan-fuzz.supp
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
findings=$build/fuzz-findings
mkdir -p "$findings"
status=0
for target in "$@"; do
  work=$build/fuzz-work/$target
  scratch=$build/fuzz-scratch/$target  # an empty current folder: no plain file to fall back on
  mkdir -p "$work" "$scratch"
  export TESSALUNE_DATA_DIR=$scratch/userdata
  start=$(date +%s)
  set +e
  (cd "$scratch" && nice -n 19 "$build/tests/fuzz/fuzz_$target" \
    -max_total_time=$((minutes * 60)) -timeout="${FUZZ_TIMEOUT:-60}" -rss_limit_mb=2048 \
    -malloc_limit_mb=600 -max_len=65536 -print_final_stats=1 \
    -artifact_prefix="$findings/$target-" "$work" "$root/tests/fuzz/corpus/$target") \
    >"$build/fuzz-$target.log" 2>&1
  rc=$?
  set -e
  took=$(($(date +%s) - start))
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/fuzz-$target.log" |
    grep -o '[0-9]*$' || echo "?")
  if [ $rc -eq 0 ]; then
    echo "fuzz: $target ran ${took}s, $runs inputs, no finding"
  else
    echo "fuzz: $target FAILED after ${took}s, $runs inputs (see $build/fuzz-$target.log)"
    status=1
  fi
done
exit $status
