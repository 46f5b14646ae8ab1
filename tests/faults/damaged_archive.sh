#!/usr/bin/env bash
# A damaged archive inside the executable: a copy of the game with one sound's
# bytes flipped names the file it cannot read and keeps running without it.
game="$1"
damage="$2"
entry=data/sounds/click.ogg
source "$(dirname "$0")/fault_lib.sh"
"$damage" "$game" "$work/damaged-game" "$entry" || fail "cannot damage $entry"
chmod +x "$work/damaged-game"
game="$work/damaged-game"
start_game log.txt
wait_for_line "cannot inflate zip entry: $entry" 120 log.txt
stop_game 3 log.txt
echo "damaged archive: the game named $entry and ran on without it"
