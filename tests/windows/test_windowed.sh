#!/usr/bin/env bash
# Under Wine: "n" to the mode question gives the window "Vorbexia" with an
# 800 x 600 client area and a lit, textured maze; walking and turning change
# the view; Esc ends the game with 0 and no window left.
source "$(dirname "$0")/lib.sh"
GAME=$1

start_windowed_wine "$GAME"
view=$(window_geometry Vorbexia)
[ "${view%%+*}" = 800x600 ] || fail "client area $view, expected 800x600"
screenshot "$E2E_TMP/start.png"
expect_lit_maze "$E2E_TMP/start.png" "$view"
press Left 0.5
press Up 0.5
sleep 0.5
screenshot "$E2E_TMP/walked.png"
expect_lit_maze "$E2E_TMP/walked.png" "$view"
difference=$(compare -metric AE -crop "$view" "$E2E_TMP/start.png" "$E2E_TMP/walked.png" null: 2>&1)
[ "${difference%% *}" -gt 10000 ] || fail "the view did not change ($difference pixels)"
[ -n "${E2E_SHOT:-}" ] && convert "$E2E_TMP/walked.png" -crop "$view" +repage "$E2E_SHOT"
press Escape
expect_exit_code 0 20
[ -z "$(window_id Vorbexia)" ] || fail "the window outlived the game"
expect_box_logged "Wybor trybu: Wcisnij TAK na FULLSCREEN, NIE na WINDOW-MODE"
[ "$(wc -l <"$VORBEXIA_BOX_LOG")" -eq 1 ] || fail "boxes: $(cat "$VORBEXIA_BOX_LOG")"
echo "ok: windowed game under Wine, 800x600 client area, lit maze, Esc ends with 0"
