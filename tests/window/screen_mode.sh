#!/usr/bin/env bash
# A level in a real window under a window manager: the title names the game,
# Alt+Enter switches to full screen and back with the board still in play
# (the switch's own focus change does not pause), and a real focus loss
# still opens the options. Usage: screen_mode.sh GAME (run in the build
# folder, where a command-line level finds its data).
game="$1"
source "$(dirname "$0")/window_lib.sh"

start_desktop
printf 'Fullscreen=0\r\n' >"$TESSALUNE_DATA_DIR/app.dat"
start_game 7
sleep 4
title=$(xdotool getwindowname "$window")
case "$title" in
  "Tessalune © 2026 "*) echo "title: $title" ;;
  *) fail "window title \"$title\"" ;;
esac

playing=$(brightness)
echo "board in play: brightness $playing"
for mode in "full screen" "window"; do
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  xdotool key alt+Return
  sleep 4
  kill -0 "$game_pid" || fail "the game ended on Alt+Enter"
  shown=$(brightness)
  echo "$mode: brightness $shown"
  at_least "$shown" "$(awk -v p="$playing" 'BEGIN { print p * 0.6 }')" ||
    fail "after Alt+Enter to $mode the board is no longer in play"
  window=$(xdotool search --onlyvisible --pid "$game_pid" | head -1)
done

# Another window takes the focus: the level pauses under the options.
xmessage -center "Tessalune window test" &
pids+=($!)
sleep 3
paused=$(brightness)
echo "focus lost: brightness $paused"
at_least "$(awk -v p="$playing" 'BEGIN { print p * 0.6 }')" "$paused" ||
  fail "a real focus loss did not pause the level"
echo "screen mode: the board stayed in play through both switches"
