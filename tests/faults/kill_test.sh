#!/usr/bin/env bash
# The game killed at random moments while the robot plays and saves: after
# every kill the settings file is whole, holds the player once the robot has
# made one, and holds the level the robot last reached or the one before.
#
#   kill_test.sh <tessalune_robot> <read_store> [ROUNDS (default 200)] [SECONDS]
# SECONDS is the longest wait before a kill (default: one robot game, measured).
robot="$1"
read_store="$2"
rounds=${3:-200}
longest=${4:-}
source "$(dirname "$0")/fault_lib.sh"
seed=${TESS_KILL_SEED:-$$}
RANDOM=$seed
echo "kill test: $rounds rounds, seed $seed (TESS_KILL_SEED replays)"

if [ -z "$longest" ]; then
  start=$(date +%s%N)
  "$robot" --full --user "$work/user" --log "$work/whole.log" >/dev/null 2>&1 ||
    fail "the robot's game fails without a kill"
  longest=$((($(date +%s%N) - start) / 1000000000 + 1))
  echo "kill test: one robot game takes ${longest}s"
fi

kills=0
with_player=0
for round in $(seq 1 "$rounds"); do
  # A robot killed before it opens its log must not be judged by the last one.
  rm -rf "$work/user" "$work/round.log"
  ms=$((RANDOM % (longest * 1000) + 1))
  "$robot" --full --user "$work/user" --log "$work/round.log" >/dev/null 2>&1 &
  pid=$!
  sleep "$((ms / 1000)).$(printf '%03d' $((ms % 1000)))"
  kill -9 "$pid" 2>/dev/null && kills=$((kills + 1))
  wait "$pid" 2>/dev/null || true
  touch "$work/round.log"
  player=$(sed -n 's/.*player \([0-9]*\) "\(.*\)" created.*/\1 \2/p' "$work/round.log" | tail -1)
  store="$work/user/app.dat"
  if [ -z "$player" ]; then
    # Before a player exists a store may or may not be there; if it is, it is whole.
    if [ -e "$store" ]; then
      "$read_store" "$store" >/dev/null || fail "round $round (${ms} ms): a damaged store"
    fi
    continue
  fi
  with_player=$((with_player + 1))
  number=${player%% *}
  name=${player#* }
  "$read_store" "$store" >"$work/entries.txt" ||
    fail "round $round (${ms} ms): no whole store after player $number was made"
  grep -qx "player${number}name=$name" "$work/entries.txt" ||
    fail "round $round (${ms} ms): the store lost player $number"
  # The story's levels as far as the robot got; after the end story the
  # profile is complete (and may start again from level 1).
  reached=$(sed -n '/end story/q; s/.*map of level \([0-9]*\).*/\1/p' "$work/round.log" | tail -1)
  saved=$(sed -n "s/^player${number}level=//p" "$work/entries.txt")
  complete=$(sed -n "s/^player${number}complete=//p" "$work/entries.txt")
  if [ -n "$reached" ] && [ "${complete:-0}" != 1 ]; then
    [ "${saved:-0}" -ge $((reached - 1)) ] ||
      fail "round $round (${ms} ms): level $reached reached, the store holds ${saved:-none}"
  fi
  if grep -q "end story" "$work/round.log"; then
    [ "${complete:-0}" = 1 ] || [ "${saved:-0}" -ge 49 ] ||
      fail "round $round (${ms} ms): the story ended, the store holds level ${saved:-none}"
  fi
done
echo "kill test: $kills kills in $rounds rounds, $with_player after the player was made: every store whole"
