#!/usr/bin/env bash
# With no display at all the boxes' captions and texts go to standard error,
# the questions are answered No, and the game ends with 0 without hanging.
source "$(dirname "$0")/lib.sh"
GAME=$1

unset DISPLAY WAYLAND_DISPLAY
code=0
timeout 20 "$GAME" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" || code=$?
[ "$code" = 0 ] || fail "exit code $code, expected 0 (124 means it hung)"
grep -q "Wybor trybu: Wcisnij TAK na FULLSCREEN, NIE na WINDOW-MODE" "$E2E_TMP/stderr" ||
  fail "the mode question is not on standard error: $(cat "$E2E_TMP/stderr")"
grep -q "ERROR: Blad rejastracji klasy okna!" "$E2E_TMP/stderr" ||
  fail "the start-up failure is not on standard error: $(cat "$E2E_TMP/stderr")"
echo "ok: no display, texts on standard error, exit code 0"
