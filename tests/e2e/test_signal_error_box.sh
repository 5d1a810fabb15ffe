#!/usr/bin/env bash
# SIGTERM while a start-up "ERROR" box is open (full-screen asked on a display
# without a pixel format) ends the game at once and leaves nothing behind.
source "$(dirname "$0")/lib.sh"
GAME=$1

start_and_answer 800x600x8 "$GAME" Return
wait_window "ERROR" 20 >/dev/null
sleep 0.5
end_by_signal TERM
expect_no_window ERROR Vorbexia
echo "ok: SIGTERM during the ERROR box ends the game, nothing left"
