# Shared by the fault tests: a scratch folder, the game run headless until its
# debug log shows what the test waits for and then killed, and a tmpfs user
# folder where mounting is allowed. Waits are long: a busy machine is slow.
set -euo pipefail
SKIP=77  # the tests' "skipped" exit status

work=$(mktemp -d)
mounted=""
cleanup() {
  if [ -n "$mounted" ]; then
    umount "$mounted" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
cd "$work"
export SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-offscreen}
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
export LIBGL_ALWAYS_SOFTWARE=1
export TESSALUNE_DATA_DIR=$work/userdata
mkdir -p "$TESSALUNE_DATA_DIR"

fail() {
  echo "FAIL: $*"
  exit 1
}

# start_game LOG [args...]: starts the game in the background, debug log on.
start_game() {
  local log=$1
  shift
  TESSALUNE_DEBUG=1 "$game" "$@" >"$log" 2>&1 &
  game_pid=$!
}

# The game must still be running; it fails the test when it has ended.
check_alive() {
  if ! kill -0 "$game_pid" 2>/dev/null; then
    local rc=0
    wait "$game_pid" || rc=$?
    tail -20 "$1"
    fail "the game ended with status $rc"
  fi
}

# wait_for_line PATTERN SECONDS LOG: waits until the log holds PATTERN, with
# the game running all along.
wait_for_line() {
  local waited=0
  until grep -q -- "$1" "$3"; do
    check_alive "$3"
    [ "$waited" -lt "$2" ] || { tail -20 "$3"; fail "no \"$1\" after $2 s"; }
    sleep 1
    waited=$((waited + 1))
  done
}

# stop_game SECONDS LOG: lets the game run SECONDS more, checks it is still
# running, then kills it.
stop_game() {
  sleep "$1"
  check_alive "$2"
  kill -9 "$game_pid"
  wait "$game_pid" 2>/dev/null || true
}

# mount_tmpfs DIR SIZE: a small tmpfs as DIR, or the test is skipped.
mount_tmpfs() {
  if ! mount -t tmpfs -o "size=$2" tmpfs "$1" 2>/dev/null; then
    echo "SKIP: cannot mount a tmpfs here"
    exit $SKIP
  fi
  mounted=$1
}

# A saved game: one player at level 7, written plain (the reader takes both
# forms). Keys the game stores by default are missing, so it saves at start.
write_saved_game() {
  printf 'lastplayer=1\r\nplayer1name=Ann\r\nplayer1level=7\r\n' >"$TESSALUNE_DATA_DIR/app.dat"
}
