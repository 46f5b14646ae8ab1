#!/usr/bin/env bash
# Runs a Windows program under Wine, quietly, in $WINEPREFIX (which the caller
# sets to a prefix of its own).
export WINEDEBUG=${WINEDEBUG:--all}
exec wine "$@"
