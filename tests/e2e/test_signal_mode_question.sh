#!/usr/bin/env bash
# SIGTERM while the mode question is open ends the game at once: the box
# goes with it and no window is made.
source "$(dirname "$0")/lib.sh"
GAME=$1

start_xvfb 1024x768x24
start_game "$GAME"
wait_window "Wybor trybu" 20 >/dev/null
sleep 0.5
end_by_signal TERM
expect_no_window "Wybor trybu" Vorbexia
echo "ok: SIGTERM during the mode question ends the game and its box"
