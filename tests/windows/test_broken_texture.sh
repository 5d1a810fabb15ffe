#!/usr/bin/env bash
# Under Wine: an empty texture file gives the reader's "Error" box while the
# game window is up, then the window goes, then "Blad w procedurze InitGL."
# with no window left; the game ends with 0.
source "$(dirname "$0")/lib.sh"
GAME=$(realpath "$1")

run_in_texture_copy
: >"textures/qq.bmp"

start_and_answer 1024x768x24 "$GAME" n
wait_window "Error" 30 >/dev/null
[ -n "$(window_id Vorbexia)" ] || fail "the reader's box came without the game window"
answer_box "Error" Return
wait_window "ERROR" 20 >/dev/null
[ -z "$(window_id Vorbexia)" ] || fail "the game window is still there at the InitGL box"
answer_box "ERROR" Return
expect_exit_code 0 20
expect_box_logged "Error: Failed to open DIB file textures/qq.bmp."
expect_box_logged "ERROR: Blad w procedurze InitGL."
echo "ok: broken texture reported, window gone before the InitGL box, exit code 0"
