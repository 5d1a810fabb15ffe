#!/usr/bin/env bash
# Under a file-size limit a write fails as on a full disk instead of killing
# the program: F12 says why, leaving no cut picture, and the game plays on;
# vorbexia-sim says it cannot write the states.
source "$(dirname "$0")/lib.sh"
GAME=$1

(ulimit -f 1 && exec "$(dirname "$GAME")/tools/vorbexia-sim" --demo bench/win.demo) \
  >"$E2E_TMP/states" 2>"$E2E_TMP/sim.err" && fail "vorbexia-sim: no failure"
grep -q "cannot write the states: File too large" "$E2E_TMP/sim.err" || fail "$(cat "$E2E_TMP/sim.err")"

start_xvfb 1024x768x24
start_game bash -c 'ulimit -f 1 && exec "$0" --windowed' "$GAME"
wait_window "Vorbexia" 20 >/dev/null && sleep 0.5
press F12 0.1
answer_box ERROR Return
press Escape
expect_exit_code 0 20
grep -q '^vorbexia: no screenshot: cannot write .*: File too large$' "$E2E_TMP/stderr" ||
  fail "no line for the screenshot: $(cat "$E2E_TMP/stderr")"
[ -z "$(ls -A "$XDG_PICTURES_DIR/Vorbexia")" ] || fail "files left: $(ls "$XDG_PICTURES_DIR/Vorbexia")"
echo "ok: a size limit fails the screenshot and the states, not the programs"
