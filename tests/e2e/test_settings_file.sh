#!/usr/bin/env bash
# Files read before any window that are not regular files: a FIFO as the
# settings, named or at the usual place, gets one line and never blocks; a
# FIFO or /dev/zero as user-dirs.dirs neither hangs --version nor fills the
# memory. No display needed.
source "$(dirname "$0")/lib.sh"
GAME=$1
CONF=$XDG_CONFIG_HOME/vorbexia/vorbexia.conf
mkdir -p "$XDG_CONFIG_HOME/vorbexia"
mkfifo "$E2E_TMP/named.conf" "$CONF"
run() {
  timeout 10 "$GAME" "$@" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr"
  local code=$?
  [ $code = 124 ] && fail "vorbexia $* hung"
  return $code
}
said() { grep -qF "$1" "$E2E_TMP/$2" || fail "no '$1' in: $(cat "$E2E_TMP/$2")"; }

run --config "$E2E_TMP/named.conf" && fail "a FIFO named by --config was taken"
said "vorbexia: cannot read the settings '$E2E_TMP/named.conf': not a regular file (a FIFO)" stderr
run --timedemo "$E2E_TMP/none.demo"  # the missing demo ends the run after the warning
said "vorbexia: cannot read the settings '$CONF': not a regular file (a FIFO); using the defaults" stderr

unset XDG_PICTURES_DIR
mkfifo "$XDG_CONFIG_HOME/user-dirs.dirs"
run --version
said "vorbexia " stdout
ln -sf /dev/zero "$XDG_CONFIG_HOME/user-dirs.dirs"
# Memory bounded for the machine's sake: 1 GB of address space, or under the
# sanitizers (whose shadow needs far more) what is resident.
if grep -qa __asan_init "$GAME"; then
  ASAN_OPTIONS="$ASAN_OPTIONS:hard_rss_limit_mb=300" run --version
else
  (ulimit -v 1000000; /usr/bin/time -f %M -o "$E2E_TMP/rss" timeout 10 "$GAME" --version >"$E2E_TMP/stdout")
  [ "$(cat "$E2E_TMP/rss")" -lt 100000 ] || fail "--version took $(cat "$E2E_TMP/rss") KiB"
fi
said "vorbexia " stdout
echo "ok: FIFO settings refused or warned about; a FIFO or /dev/zero as user-dirs.dirs ignored"
