# Shared by the window tests: a real X display (Xvfb) with a window manager
# (openbox), as on a desktop, the game started on it, and screenshots read
# back. Everything started here is ended by its own process id.
set -euo pipefail
SKIP=77  # the tests' "skipped" exit status

for tool in Xvfb openbox xdotool import convert xmessage; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit $SKIP; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[$i]}" 2>/dev/null || true
    wait "${pids[$i]}" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
export TESSALUNE_DATA_DIR=$work/userdata
mkdir -p "$TESSALUNE_DATA_DIR"
export SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1
unset SDL_VIDEODRIVER

fail() {
  echo "FAIL: $*"
  exit 1
}

# start_desktop: a 1280 x 800 screen on a free display number, openbox on it.
start_desktop() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    export DISPLAY=":$n"
    break
  done
  for _ in $(seq 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.2
  done
  openbox >"$work/openbox.log" 2>&1 &
  pids+=($!)
  sleep 1
}

# start_game ARGS...: the game with its debug log, and its window's id in $window.
start_game() {
  TESSALUNE_DEBUG=1 "$game" "$@" >"$work/game.log" 2>&1 &
  game_pid=$!
  pids+=($game_pid)
  window=""
  for _ in $(seq 120); do
    window=$(xdotool search --sync --onlyvisible --pid "$game_pid" 2>/dev/null | head -1) || true
    [ -n "$window" ] && break
    kill -0 "$game_pid" 2>/dev/null || { tail -20 "$work/game.log"; fail "the game ended"; }
    sleep 0.5
  done
  [ -n "$window" ] || fail "no game window"
}

# brightness: mean brightness (0..1) of the whole screen as it is now.
brightness() {
  import -window root "$work/shot.png"
  convert "$work/shot.png" -colorspace Gray -format '%[fx:mean]' info:
}

# at_least A B: true when A >= B (decimals).
at_least() {
  awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'
}
