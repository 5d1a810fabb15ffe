#!/usr/bin/env bash
# "Tak" on a display without the 800 x 600 mode, then "Tak" to the fallback
# question: the game runs in a window; closing the window ends it with 0.
source "$(dirname "$0")/lib.sh"
GAME=$1

start_and_answer 1024x768x24 "$GAME" Return
answer_box "OpenGL" Return
wait_window "Vorbexia" 20 >/dev/null
sleep 1
close_window "Vorbexia"
expect_exit_code 0 20
echo "ok: fallback to a window, closed by the window's close request, exit code 0"
