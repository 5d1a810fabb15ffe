#!/usr/bin/env bash
# The mode question, "Nie" for a window titled "Vorbexia", Esc ends with 0.
source "$(dirname "$0")/lib.sh"
GAME=$1

start_windowed "$GAME"
kill -0 "$GAME_PID" || fail "the game ended on its own"
press Escape
expect_exit_code 0 20
[ -z "$(window_id Vorbexia)" ] || fail "the window outlived the game"
echo "ok: windowed game ended by Esc with exit code 0"
