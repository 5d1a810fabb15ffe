#!/usr/bin/env bash
# SIGINT while the reader's "Error" box is open ends the game at once: no
# box, no window, no further box.
source "$(dirname "$0")/lib.sh"
GAME=$(realpath "$1")

run_in_texture_copy
: >"textures/qq.bmp"

start_and_answer 1024x768x24 "$GAME" Escape
wait_window "Error" 20 >/dev/null
sleep 0.5
end_by_signal INT
expect_no_window Error ERROR Vorbexia
grep -q "^ERROR:" "$VORBEXIA_BOX_LOG" && fail "a box came after the signal"
echo "ok: SIGINT during the reader's box ends the game, nothing left"
