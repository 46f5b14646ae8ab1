#!/usr/bin/env bash
# The Windows tests under Wine, in a fresh prefix and an Xvfb display of their own:
#   1. the test programs that need no window, through ctest;
#   2. the robot's short game in the game's own user data folder: app.dat then
#      lies in C:\ProgramData\Tessalune\ and holds the player and the level
#      reached; then the robot's game killed at random moments, five rounds
#      (tests/faults/kill_test.sh): every app.dat left behind is whole;
#   3. the installer run silently: files, Start-menu entry, uninstall entry;
#      the installed game started, its menu read back from a screenshot, its
#      debug log (TESSALUNE_DEBUG=1) in C:\ProgramData\Tessalune\debug.log;
#   4. the uninstaller run silently: the game gone, app.dat kept.
# Pictures and logs stay in <windows build>/wine-tests/.
#
#   wine_suite.sh <windows build> <native build>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "$1")
native=$(realpath "$2")
out=$build/wine-tests
rm -rf "$out"
mkdir -p "$out"

export WINEPREFIX=$out/prefix WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko installer dialogs in a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Windows' own video driver, in the Xvfb display; Mesa's software OpenGL.
unset SDL_VIDEODRIVER
export LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy

fail() { echo "wine suite: FAILED: $*" >&2; exit 1; }
step() { echo "wine suite: $*"; }

display=77
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb=$!
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=:$display
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done

shot() {  # the whole display as a PNG
  xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$1"
}
colours() {  # how many colours a PNG holds
  pngtopnm "$1" | ppmhist -noheader | wc -l
}

step "a fresh prefix"
wineboot --init >"$out/wineboot.log" 2>&1
wineserver -w
c_drive=$WINEPREFIX/drive_c
store=$c_drive/ProgramData/Tessalune/app.dat

step "the test programs, through ctest"
ctest --test-dir "$build" --output-on-failure --timeout 300 >"$out/ctest.log" 2>&1 ||
  { cat "$out/ctest.log"; fail "ctest under wine"; }
tail -n 3 "$out/ctest.log"

step "the robot's short game in C:\\ProgramData\\Tessalune"
robot_log=$out/robot.log
(cd "$out" && wine "$build/tools/robot/tessalune_robot.exe" --own-folder \
  --log robot.log --shots shots) >"$out/robot.out" 2>&1 ||
  { tail -n 20 "$out/robot.out"; fail "the robot's short game"; }
grep "robot: passed" "$out/robot.out"
grep -q "robot: passed: short game, 4 levels" "$out/robot.out" || fail "the robot did not play four levels"
[ -f "$store" ] || fail "no app.dat in C:\\ProgramData\\Tessalune"
"$native/tests/faults/read_store" "$store" >"$out/store.txt" || fail "app.dat is not whole"
player=$(sed -n 's/.*player \([0-9]*\) "\(.*\)" created.*/\1 \2/p' "$robot_log" | tail -n 1)
[ -n "$player" ] || fail "the robot made no player"
number=${player%% *}
grep -qx "player${number}name=${player#* }" "$out/store.txt" || fail "app.dat lacks the player"
saved=$(sed -n "s/^player${number}level=//p" "$out/store.txt")
[ -n "$saved" ] || fail "app.dat lacks the level reached"
# The short game ends with the end story: the profile is complete.
grep -qx "player${number}complete=1" "$out/store.txt" || fail "app.dat lacks the completed story"
step "app.dat holds player $number \"${player#* }\", story complete, level $saved"

step "the robot's game killed at random moments: every app.dat whole"
# The wrapper execs Wine, which becomes the Windows process: kill -9 on its
# process id ends the game as a power cut would.
cat >"$out/robot.sh" <<END
#!/usr/bin/env bash
export SDL_VIDEODRIVER=windows
exec wine "$build/tools/robot/tessalune_robot.exe" "\$@"
END
chmod +x "$out/robot.sh"
bash "$here/../faults/kill_test.sh" "$out/robot.sh" "$native/tests/faults/read_store" 5 25 \
  >"$out/kill.log" 2>&1 || { cat "$out/kill.log"; fail "a killed game left a broken app.dat"; }
tail -n 1 "$out/kill.log"
grep -q "after the player was made" "$out/kill.log" && ! grep -q " 0 kills" "$out/kill.log" ||
  fail "no round ended the game"

step "the installer, silent"
installer=$(ls "$build"/package/Tessalune-Setup-*.exe)
wine "$installer" /S
wineserver -w
installed=$c_drive/Program\ Files/Tessalune
[ -f "$installed/tessalune.exe" ] || fail "no tessalune.exe under Program Files"
[ -f "$c_drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Tessalune.lnk" ] ||
  fail "no Start-menu entry"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessalune'
wine reg query "$key" >"$out/uninstall-entry.txt" 2>&1 || fail "no uninstall entry"
for value in DisplayName DisplayVersion Publisher DisplayIcon EstimatedSize UninstallString; do
  grep -q "$value" "$out/uninstall-entry.txt" || fail "the uninstall entry lacks $value"
done

step "the installed game: intro, then menu, with its debug log"
TESSALUNE_DEBUG=1 wine 'C:\Program Files\Tessalune\tessalune.exe' >"$out/game.out" 2>&1 &
for i in $(seq -w 1 10); do  # the intro's pictures pass in the first seconds
  sleep 1
  shot "$out/game-$i.png"
done
sleep 15
shot "$out/menu.png"
count=$(colours "$out/menu.png")
[ "$count" -ge 64 ] || fail "the game's window shows $count colours: no menu drawn"
intro=0
for early in "$out"/game-*.png; do
  if [ "$(colours "$early")" -ge 64 ] && ! cmp -s "$early" "$out/menu.png"; then
    intro=1
  fi
done
[ "$intro" = 1 ] || fail "no intro picture before the menu"
step "menu screenshot: $out/menu.png ($count colours)"
debug_log=$c_drive/ProgramData/Tessalune/debug.log
[ -s "$debug_log" ] || fail "TESSALUNE_DEBUG=1 wrote no debug.log in C:\ProgramData\Tessalune"
step "debug.log: $(wc -l <"$debug_log") lines"
wineserver -k
wineserver -w

step "the uninstaller, silent"
wine "$installed/uninstall.exe" /S '_?=C:\Program Files\Tessalune'
wineserver -w
[ ! -e "$installed/tessalune.exe" ] || fail "the uninstaller left tessalune.exe"
[ ! -e "$c_drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Tessalune.lnk" ] ||
  fail "the uninstaller left the Start-menu entry"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left its entry"
[ -f "$store" ] || fail "the uninstaller removed app.dat"
step "passed"
