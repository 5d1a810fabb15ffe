#!/usr/bin/env bash
# Under a file-size limit (ulimit -f) a write past it fails as on a full
# disk instead of killing the game: F12 says the screenshot cannot be saved,
# leaves no cut picture behind, and the game plays on; vorbexia-sim says it
# cannot write the states.
source "$(dirname "$0")/lib.sh"
GAME=$1
SIM=$(dirname "$GAME")/tools/vorbexia-sim

code=0
(ulimit -f 1 && exec "$SIM" --demo bench/win.demo >"$E2E_TMP/states") 2>"$E2E_TMP/sim.err" || code=$?
[ "$code" = 1 ] && grep -q "cannot write the states: File too large" "$E2E_TMP/sim.err" ||
  fail "vorbexia-sim under a size limit: exit code $code, $(cat "$E2E_TMP/sim.err")"

start_xvfb 1024x768x24
(ulimit -f 1 && exec "$GAME" --windowed) >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" &
GAME_PID=$!
wait_window "Vorbexia" 20 >/dev/null
sleep 0.5
press F12 0.1
answer_box ERROR Return
press Escape
expect_exit_code 0 20
grep -q '^vorbexia: no screenshot: cannot write .*: File too large$' "$E2E_TMP/stderr" ||
  fail "no line for the screenshot: $(cat "$E2E_TMP/stderr")"
left=$(ls -A "$XDG_PICTURES_DIR/Vorbexia")
[ -z "$left" ] || fail "files left in the pictures folder: $left"
echo "ok: a size limit fails the screenshot, not the game, and the states"
