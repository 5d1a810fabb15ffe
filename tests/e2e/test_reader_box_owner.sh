#!/usr/bin/env bash
# The reader's box during start-up belongs to the window with the keyboard
# focus, which by then is the game window.
source "$(dirname "$0")/lib.sh"
GAME=$(realpath "$1")

run_in_texture_copy
: >"textures/robot.bmp"

start_and_answer 1024x768x24 "$GAME" Escape
box=$(wait_window "Error" 20)
game=$(window_id Vorbexia)
owner=$(x_try xprop -id "$box" WM_TRANSIENT_FOR) || fail "no owner property"
owner_id=${owner##* }
[[ $owner_id =~ ^0x[0-9a-f]+$ ]] || fail "the reader's box has no owner: $owner"
[ -n "$game" ] && [ "$((owner_id))" = "$((game))" ] ||
  fail "the reader's box belongs to $owner_id, not the game window $game"
answer_box "Error" Return
answer_box "ERROR" Return
expect_exit_code 0 20
echo "ok: the reader's box belongs to the game window"
