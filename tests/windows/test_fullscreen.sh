#!/usr/bin/env bash
# Under Wine on a display whose own mode is 800 x 600: "Tak" to the mode
# question switches to it (no fallback question) and the game fills the
# screen with the lit maze in a window without frame; Esc ends it with 0.
source "$(dirname "$0")/lib.sh"
GAME=$1

start_and_answer 800x600x24 "$GAME" Return
wait_window "Vorbexia" 30 >/dev/null
sleep 1
view=$(window_geometry Vorbexia)
[ "$view" = 800x600+0+0 ] || fail "full-screen window at $view"
screenshot "$E2E_TMP/fullscreen.png"
expect_lit_maze "$E2E_TMP/fullscreen.png" "$view"
press Escape
expect_exit_code 0 20
[ "$(grep -c . "$VORBEXIA_BOX_LOG")" -eq 1 ] || fail "boxes: $(cat "$VORBEXIA_BOX_LOG")"
echo "ok: full screen at 800 x 600, lit maze, Esc ends with 0"
