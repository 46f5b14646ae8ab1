#!/usr/bin/env bash
# A read-only user folder and a full disk: the game plays, says once that it
# cannot save, and what was saved before stays whole.
game="$1"
source "$(dirname "$0")/fault_lib.sh"
CANNOT_SAVE="Cannot open config file for writing"

check_run() {
  local what=$1
  cp "$TESSALUNE_DATA_DIR/app.dat" saved.dat
  start_game "$what.log"
  wait_for_line "$CANNOT_SAVE" 120 "$what.log"
  # On into the menu, which stores more.
  wait_for_line "resource: data/game/shared.txt" 120 "$what.log"
  stop_game 3 "$what.log"
  local said
  said=$(grep -c "$CANNOT_SAVE" "$what.log" || true)
  [ "$said" -eq 1 ] || { grep "$CANNOT_SAVE" "$what.log"; fail "$what: said $said times that it cannot save"; }
  cmp -s saved.dat "$TESSALUNE_DATA_DIR/app.dat" || fail "$what: app.dat changed"
  [ ! -e "$TESSALUNE_DATA_DIR/app.dat.tmp" ] || fail "$what: a half-written file was left"
  echo "$what: the game played on, said once that it cannot save, app.dat kept"
}

mount_tmpfs "$TESSALUNE_DATA_DIR" 256k
write_saved_game
mount -o remount,ro "$TESSALUNE_DATA_DIR" || fail "cannot remount read-only"
check_run read-only

mount -o remount,rw "$TESSALUNE_DATA_DIR"
dd if=/dev/zero of="$TESSALUNE_DATA_DIR/filler" bs=4k 2>/dev/null || true
check_run full-disk
