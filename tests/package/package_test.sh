#!/usr/bin/env bash
# Builds the .deb from the built tree, installs it into a scratch root with
# dpkg, checks its control fields and file list, validates the desktop entry
# and the metainfo as installed, runs lintian, and starts the installed game
# headless from an empty folder for a few seconds.
set -euo pipefail
build="$1"
here="$(cd "$(dirname "$0")" && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package: $*" >&2; exit 1; }

# The package, from what the build already holds.
(cd "$build" && cpack -G DEB --config CPackConfig.cmake -B "$work/out" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/out/tessalune_*.deb)

# Control fields: the library dependencies come from the executable.
dpkg-deb -f "$deb" Package Section Depends >"$work/control"
grep -qx 'Package: tessalune' "$work/control" || fail "wrong package name"
grep -qx 'Section: games' "$work/control" || fail "not in games"
for lib in libc6 libsdl2-2.0-0 libpng16-16 libjpeg62-turbo libzip4 libvorbisfile3 libgl1 libegl1; do
    grep -q "[ ,]$lib\b" "$work/control" || fail "Depends lacks $lib: $(cat "$work/control")"
done

# Installed into an empty root, as dpkg installs it.
root="$work/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg --root="$root" --force-depends --log=/dev/null -i "$deb" >"$work/dpkg.log" 2>&1 ||
    { cat "$work/dpkg.log"; fail "dpkg -i failed"; }
dpkg --root="$root" -L tessalune | while read -r path; do
    [ -d "$root$path" ] || echo "$path"
done | sort >"$work/files"
diff -u "$here/files.txt" "$work/files" || fail "installed files differ from files.txt"
for exe in tessalune tessalune-levels; do
    [ -x "$root/usr/games/$exe" ] || fail "$exe is not executable"
done
"$root/usr/games/tessalune-levels" check "$here/../../data/game/levels/1.dat" >"$work/levels.log" ||
    fail "the installed level tool failed"
grep -qx 'clearable yes' "$work/levels.log" || fail "the installed level tool cannot prove level 1"

# The validators, on the files as installed.
id=org.tessalune.Tessalune
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net --explain "$root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "metainfo invalid"
appstreamcli validate-tree --no-net "$root/usr" >"$work/tree.log" 2>&1 ||
    { cat "$work/tree.log"; fail "installed tree invalid"; }
for page in tessalune tessalune-levels; do
    man -l "$root/usr/share/man/man6/$page.6.gz" 2>&1 >/dev/null | grep . && fail "$page.6 warns"
done

# Lintian: no error.
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; fail "lintian reports errors"; }
cat "$work/lintian.log"

# The installed game, started from an empty folder: it carries its data, so
# it runs (or ends by itself with status 0) for a few seconds; SIGTERM, as at
# a logout, ends it cleanly at its next frame.
mkdir -p "$work/run" "$work/user"
(cd "$work/run" && exec env TESSALUNE_DATA_DIR="$work/user" SDL_VIDEODRIVER=offscreen \
    SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1 TESSALUNE_DEBUG=1 \
    "$root/usr/games/tessalune" >"$work/game.log" 2>&1) &
game=$!
for _ in 1 2 3 4 5 6; do
    kill -0 "$game" 2>/dev/null || break
    sleep 1
done
if kill -0 "$game" 2>/dev/null; then
    kill -TERM "$game"
    for _ in $(seq 1 20); do
        kill -0 "$game" 2>/dev/null || break
        sleep 0.5
    done
    if kill -0 "$game" 2>/dev/null; then
        kill -KILL "$game"
        wait "$game" || true
        tail -n 20 "$work/game.log"
        fail "the installed game did not end within 10 s of SIGTERM"
    fi
fi
status=0
wait "$game" || status=$?
if [ "$status" -ne 0 ]; then
    tail -n 40 "$work/game.log"
    fail "the installed game ended with status $status"
fi
grep -q 'window icon\|images/icon' "$work/game.log" && { grep 'icon' "$work/game.log"; fail "the window icon did not load"; }
[ -s "$work/user/app.dat" ] || fail "the installed game wrote no settings"
echo "package: $(basename "$deb") installs $(wc -l <"$work/files") files, validates and runs"
