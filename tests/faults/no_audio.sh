#!/usr/bin/env bash
# No audio device: the game starts, finds no sound device when it first plays,
# and goes on silently.
game="$1"
source "$(dirname "$0")/fault_lib.sh"
export SDL_AUDIODRIVER=no_such_driver
start_game log.txt
wait_for_line "sound: no audio" 120 log.txt
stop_game 3 log.txt
[ -s "$TESSALUNE_DATA_DIR/app.dat" ] || fail "no settings saved"
echo "no audio: the game found no device, played on silently and saved its settings"
