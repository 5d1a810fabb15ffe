#!/usr/bin/env bash
# Full-screen on an 800 x 600 display without an OpenGL visual (8 bits per
# pixel): the mode switch itself works, the pixel format is missing; no
# fallback question, the pixel-format box after the teardown; ends with 0.
source "$(dirname "$0")/lib.sh"
GAME=$1

start_and_answer 800x600x8 "$GAME" Return
wait_window "ERROR" 20 >/dev/null
[ -z "$(window_id Vorbexia)" ] || fail "the game window is still there at the box"
answer_box "ERROR" Return
expect_exit_code 0 20
expect_box_logged "ERROR: Nie mozna odnalezc formatu piksli."
grep -q "^OpenGL:" "$VORBEXIA_BOX_LOG" && fail "the fallback question was asked"
echo "ok: no pixel format in full screen on an 8-bit display, no fallback question"
