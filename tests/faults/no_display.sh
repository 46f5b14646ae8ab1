#!/usr/bin/env bash
# No display: with an unusable video driver, and with an OpenGL below 3.3, the
# game prints one line saying it cannot open the display and exits non-zero.
game="$1"
source "$(dirname "$0")/fault_lib.sh"
unset TESSALUNE_DEBUG

check_refusal() {
  local what=$1
  shift
  local rc=0
  env "$@" timeout 120 "$game" >out.txt 2>err.txt || rc=$?
  [ "$rc" -ne 0 ] || fail "$what: exit status 0"
  [ "$rc" -ne 124 ] || fail "$what: still running after 120s"
  grep -q "cannot open the display" err.txt || { cat err.txt; fail "$what: no clear line"; }
  [ "$(wc -l <err.txt)" -eq 1 ] || { cat err.txt; fail "$what: more than one line"; }
  [ ! -s out.txt ] || { cat out.txt; fail "$what: printed to standard output"; }
  echo "$what: status $rc, $(cat err.txt)"
}

check_refusal "no video driver" SDL_VIDEODRIVER=no_such_driver
check_refusal "OpenGL 3.0" MESA_GL_VERSION_OVERRIDE=3.0 MESA_GLSL_VERSION_OVERRIDE=130
