#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine: its own prefix in
# the build folder (made on first use), no debug chatter, no Mono or Gecko
# installers. Used by CTest as the emulator and by the end-to-end scripts.
#   tests/windows/wine-run.sh PROGRAM.exe [ARGS...]
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX=${VORBEXIA_WINEPREFIX:-$here/../../build/windows/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  # Two tests may start at once: one makes the prefix, the other waits.
  (flock 9; [ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1) \
    9>"$WINEPREFIX.lock"
fi
exec wine "$@"
