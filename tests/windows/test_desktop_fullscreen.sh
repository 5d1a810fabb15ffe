#!/usr/bin/env bash
# Under Wine: Alt+Enter turns the 800 x 600 window into one covering the
# whole 1280 x 720 screen, with no display mode change, and the maze drawn
# with its aspect kept (960 x 720 between black bars left and right);
# Alt+Enter again brings back the 800 x 600 window where it was; Esc, the
# next key, still ends the game.
source "$(dirname "$0")/lib.sh"
GAME=$1

start_and_answer 1280x720x24 "$GAME" n
wait_window Vorbexia 30 >/dev/null
sleep 1
windowed=$(window_geometry Vorbexia)
[ "${windowed%%+*}" = 800x600 ] || fail "client area $windowed, expected 800x600"

# alt_enter EXPECTED: Alt+Enter, then the window's geometry is EXPECTED.
alt_enter() {
  local view waited
  wine_key "$(wait_window Vorbexia 20)" alt+Return
  for waited in $(seq 30); do
    sleep 0.1
    view=$(window_geometry Vorbexia)
    [ "$view" = "$1" ] && return 0
  done
  fail "after Alt+Enter the window is at $view, expected $1"
}
alt_enter 1280x720+0+0
sleep 0.5
screenshot "$E2E_TMP/desktop.png"
[ "$(xdpyinfo | awk '/dimensions:/ { print $2 }')" = 1280x720 ] || fail "the display mode changed"
expect_lit_maze "$E2E_TMP/desktop.png" 960x720+160+0
for bar in 160x720+0+0 160x720+1120+0; do
  [ "$(mean_brightness "$E2E_TMP/desktop.png" "$bar")" -eq 0 ] || fail "the bar at $bar is not black"
done
alt_enter "$windowed"
press Escape
expect_exit_code 0 20
echo "ok: Alt+Enter under Wine: desktop full screen at 1280x720, bars beside, and back to 800x600"
