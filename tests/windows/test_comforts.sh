#!/usr/bin/env bash
# Under Wine, with %APPDATA%\Vorbexia\vorbexia.conf saying start = window,
# keys = wasd, mouse = on and screenshot_format = bmp: no mode question; W
# walks; mouse motion turns the view; F12 writes the frame as a 24-bit BMP
# into the Pictures folder (the PNG default is the Linux test's);
# Alt+Enter covers the 1280 x 720 screen (no mode change, the picture
# between black bars) and then brings back the 800 x 600 window; Esc ends.
source "$(dirname "$0")/lib.sh"
GAME=$1

start_own_home_xvfb 1280x720x24 "$GAME"
mkdir -p "$WINE_USER_DIR/AppData/Roaming/Vorbexia"
printf 'start = window\r\nkeys = wasd\r\nmouse = on\r\nscreenshot_format = bmp\r\n' \
  >"$WINE_USER_DIR/AppData/Roaming/Vorbexia/vorbexia.conf"
start_game "$GAME"
wait_window Vorbexia 30 >/dev/null
sleep 1
view=$(window_geometry Vorbexia)
[ "${view%%+*}" = 800x600 ] || fail "client area $view, expected 800x600"

# expect_change WHAT COMMAND...: the view changes by the command.
expect_change() {
  screenshot "$E2E_TMP/before.png"
  "${@:2}"
  sleep 0.5
  screenshot "$E2E_TMP/after.png"
  local changed
  changed=$(compare -metric AE -crop "$view" "$E2E_TMP/before.png" "$E2E_TMP/after.png" null: 2>&1)
  [ "${changed%% *}" -gt 10000 ] || fail "$1 did not change the view ($changed pixels)"
}
expect_change W press w 0.5
expect_change "the mouse" x_try xdotool mousemove_relative -- 150 0

convert "$E2E_TMP/after.png" -crop "$view" +repage "$E2E_TMP/frame.png"
press F12
# Written whole: as long as its header says.
written() {
  bmp=$(ls "$HOME"/Vorbexia/*.bmp 2>/dev/null) &&
    [ "$(stat -c %s "$bmp")" = "$(od -An -tu4 -j2 -N4 "$bmp" | tr -d ' ')" ]
}
wait_until 10 "the screenshot in the Pictures folder" written
# "BM", 24 bits per pixel at byte 28; the very frame, give or take a robot.
[ "$(head -c2 "$bmp")" = BM ] && [ "$(od -An -tu2 -j28 -N2 "$bmp" | tr -d ' ')" = 24 ] ||
  fail "not a 24-bit BMP: $bmp"
differs=$(compare -metric AE -fuzz 10% "$bmp" "$E2E_TMP/frame.png" null: 2>&1)
[ "${differs%% *}" -lt 24000 ] || fail "the screenshot is not the frame ($differs pixels differ)"

# alt_enter GEOMETRY: Alt+Enter, then the window is there.
alt_enter() {
  wine_key "$(wait_window Vorbexia 20)" alt+Return
  for _ in $(seq 30); do
    sleep 0.1
    [ "$(window_geometry Vorbexia)" = "$1" ] && return 0
  done
  fail "after Alt+Enter the window is at $(window_geometry Vorbexia), expected $1"
}
alt_enter 1280x720+0+0
sleep 0.5
screenshot "$E2E_TMP/desktop.png"
expect_lit_maze "$E2E_TMP/desktop.png" 960x720+160+0
[ "$(mean_brightness "$E2E_TMP/desktop.png" 160x720+0+0)" -eq 0 ] || fail "no black bar"
alt_enter "$view"

press Escape
expect_exit_code 0 20
[ ! -s "$VORBEXIA_BOX_LOG" ] || fail "boxes: $(cat "$VORBEXIA_BOX_LOG")"
echo "ok: under Wine the settings file, W, the mouse, F12 and Alt+Enter"
