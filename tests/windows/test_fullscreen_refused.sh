#!/usr/bin/env bash
# Under Wine on Xvfb the display cannot switch to 800 x 600 x 16: "Tak" to
# the mode question asks the fallback question. "Tak" there plays in a
# window, which Alt+F4 closes (exit 0); "Nie" ends the game after "Nastapi
# wyjscie z programu." with 0 and no window.
source "$(dirname "$0")/lib.sh"
GAME=$1

start_and_answer 1024x768x24 "$GAME" Return
answer_box "OpenGL" y
wait_window "Vorbexia" 30 >/dev/null
sleep 1
screenshot "$E2E_TMP/fallback.png"
expect_lit_maze "$E2E_TMP/fallback.png" "$(window_geometry Vorbexia)"
wine_key "$(window_id Vorbexia)" alt+F4
expect_exit_code 0 20
expect_box_logged "OpenGL: Karta graficzna nie zadziala w pelnym ekranie."

: >"$VORBEXIA_BOX_LOG"
start_game "$GAME"
answer_box "Wybor trybu" Return
answer_box "OpenGL" n
answer_box "ERROR" Return
expect_exit_code 0 20
[ -z "$(window_id Vorbexia)" ] || fail "a game window was left on screen"
expect_box_logged "ERROR: Nastapi wyjscie z programu."
echo "ok: refused full-screen: Yes plays in a window (Alt+F4 ends it), No ends with 0"
