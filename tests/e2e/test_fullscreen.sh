#!/usr/bin/env bash
# "Tak" on a display that has the 800 x 600 mode: the game runs full-screen,
# covering the whole display, and Esc ends it with 0.
source "$(dirname "$0")/lib.sh"
GAME=$1

start_and_answer 800x600x16 "$GAME" Return
id=$(wait_window "Vorbexia" 20)
sleep 1
[ -z "$(window_id OpenGL)" ] || fail "the fallback question came on an 800 x 600 display"
geometry=$(x_try xwininfo -id "$id" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
[ "$geometry" = "800x600" ] || fail "full-screen window is $geometry"
press Escape
expect_exit_code 0 20
echo "ok: full-screen game at 800x600 ended by Esc with exit code 0"
