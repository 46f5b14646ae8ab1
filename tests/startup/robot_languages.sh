#!/usr/bin/env bash
# The robot's short game in German, French and Spanish, each on a first start
# under a system set to that language: it must pass, and its debug log must
# name no missing locale text.
set -euo pipefail
robot="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1 TESSALUNE_DEBUG=1
for language in de_DE fr_FR es_ES; do
    log="$work/$language.log"
    env -u LC_ALL -u LC_MESSAGES LANG="$language.UTF-8" \
        "$robot" --user "$work/user-$language" >"$log" 2>&1 || {
        tail -20 "$log"; echo "robot failed in $language"; exit 1; }
    if grep -i "unknown locale" "$log"; then
        echo "missing locale texts in $language"; exit 1
    fi
    grep -q "robot: passed" "$log"
    echo "$language: $(grep 'robot: passed' "$log")"
done
