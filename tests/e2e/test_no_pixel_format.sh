#!/usr/bin/env bash
# A display without an OpenGL visual (8 bits per pixel): in a window the game
# finds no pixel format, tears the window down and says so; ends with 0.
source "$(dirname "$0")/lib.sh"
GAME=$1

start_and_answer 1024x768x8 "$GAME" Escape
wait_window "ERROR" 20 >/dev/null
[ -z "$(window_id Vorbexia)" ] || fail "the game window is still there at the box"
answer_box "ERROR" Return
expect_exit_code 0 20
expect_box_logged "ERROR: Nie mozna odnalezc formatu piksli."
echo "ok: no pixel format on an 8-bit display, reported after the teardown"
