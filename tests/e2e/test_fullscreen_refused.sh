#!/usr/bin/env bash
# "Tak" on a display without the 800 x 600 mode asks the fallback question;
# "Nie" there ends the game after "Nastapi wyjscie z programu.", with 0.
source "$(dirname "$0")/lib.sh"
GAME=$1

start_and_answer 1024x768x24 "$GAME" Return
answer_box "OpenGL" Escape
answer_box "ERROR" Return
expect_exit_code 0 20
[ -z "$(window_id Vorbexia)" ] || fail "a game window was left on screen"
echo "ok: refused full-screen, declined window, exit code 0"
