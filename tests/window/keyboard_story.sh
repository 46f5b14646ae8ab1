#!/usr/bin/env bash
# A first start played with the keyboard alone in a real window: no mouse
# event is sent. Enter on the menu, a name typed, the story pages turned,
# level 1's map left, the level cleared with the arrows and Enter in an order
# the solver found on the board the game logged, the progress screen left;
# level 2's map shows and app.dat holds the player at level 2.
# Usage: keyboard_story.sh GAME HELPER
game="$1"
helper="$2"
source "$(dirname "$0")/window_lib.sh"

# wait_log PATTERN SECONDS: until the game's debug log holds PATTERN.
wait_log() {
  for _ in $(seq $((${2} * 5))); do
    grep -q "$1" "$work/game.log" && return 0
    kill -0 "$game_pid" 2>/dev/null || { tail -20 "$work/game.log"; fail "the game ended"; }
    sleep 0.2
  done
  tail -20 "$work/game.log"
  fail "no \"$1\" in the debug log after $2 s"
}

# wait_count PATTERN N SECONDS: until the debug log holds PATTERN N times.
wait_count() {
  for _ in $(seq $((${3} * 20))); do
    [ "$(grep -c "$1" "$work/game.log" || true)" -ge "$2" ] && return 0
    sleep 0.05
  done
  tail -5 "$work/game.log"
  fail "the debug log holds \"$1\" fewer than $2 times after $3 s"
}

press() {
  xdotool key --delay 120 "$@"
}

# shot NAME: the screen as it is now, kept in test-frames/ for a look by eye.
shot() {
  mkdir -p test-frames
  import -window root "test-frames/window_keyboard_$1.png"
}

start_desktop
printf 'Fullscreen=0\r\n' >"$TESSALUNE_DATA_DIR/app.dat"
start_game
xdotool windowactivate --sync "$window" 2>/dev/null || true
wait_log "module 2 started" 40  # the menu, after the intro's two pictures
sleep 2                           # its fade in from black

echo "menu: Enter starts; a first start asks for a name"
press Return
sleep 1.5
press K i m
sleep 0.5
shot name
press Return
sleep 1.5
echo "story: five pages"
for page in 1 2 3 4 5; do
  press Return
  sleep 1.2
done
wait_log "Level 1 Board" 30
sleep 2
echo "map: Enter"
press Return
wait_log "Game state 4" 20

echo "level 1: the tile cursor"
board=$(grep -a -m1 "Level 1 Board" "$work/game.log")
"$helper" keys <<<"$board" >"$work/keys.txt" || fail "no key plan for the board"
pairs=$(grep -c pause "$work/keys.txt")
echo "$pairs pairs, $(grep -vc pause "$work/keys.txt") keys"
# One key at a time, each confirmed by the game's debug log, so that a slow
# frame cannot fold two keys into one.
moves=0
picks=0
done_pairs=0
while read -r key; do
  case "$key" in
    pause)
      done_pairs=$((done_pairs + 1))
      wait_count "Pair removed" "$done_pairs" 30
      [ "$done_pairs" = 3 ] && shot cursor
      ;;
    Return)
      picks=$((picks + 1))
      press Return
      wait_count "Tile cursor picks" "$picks" 10
      ;;
    *)
      moves=$((moves + 1))
      press "$key"
      wait_count "Tile cursor at" "$moves" 10
      ;;
  esac
done <"$work/keys.txt"

echo "progress: Enter once the level's end has faded into the progress screen"
wait_log "Game state 3" 60
sleep 1
shot progress
press Return
wait_log "Level 2 Board" 20
sleep 2
shot level2_map
shown=$(brightness)
echo "level 2 map: brightness $shown"
at_least "$shown" 0.05 || fail "the map of level 2 does not show"

progress=$("$helper" progress)
echo "app.dat: $progress"
[ "$progress" = "Kim 2" ] || fail "app.dat holds \"$progress\", not Kim at level 2"
kill -0 "$game_pid" || fail "the game ended"
echo "keyboard story: level 1 cleared with keys alone, the player is at level 2"
