#!/usr/bin/env bash
# Under Wine, with %APPDATA%\Vorbexia\vorbexia.conf saying start = window,
# keys = wasd and mouse = on: no mode question, W walks, mouse motion turns
# the captured pointer's view, F12 writes a 24-bit 800 x 600 BMP of the frame
# into the pictures folder; Esc ends with 0 and no box.
source "$(dirname "$0")/lib.sh"
GAME=$1

start_own_prefix_xvfb 1024x768x24
mkdir -p "$WINE_USER_DIR/AppData/Roaming/Vorbexia"
printf 'start = window\r\nkeys = wasd\r\nmouse = on\r\n' \
  >"$WINE_USER_DIR/AppData/Roaming/Vorbexia/vorbexia.conf"
start_game "$GAME"
wait_window Vorbexia 30 >/dev/null
sleep 1
view=$(window_geometry Vorbexia)
[ "${view%%+*}" = 800x600 ] || fail "client area $view, expected 800x600"

# The view before and after an input, in pixels changed.
changed_by() {
  screenshot "$E2E_TMP/before.png"
  "$@"
  sleep 0.5
  screenshot "$E2E_TMP/after.png"
  compare -metric AE -crop "$view" "$E2E_TMP/before.png" "$E2E_TMP/after.png" null: 2>&1 |
    cut -d' ' -f1
}
walked=$(changed_by press w 0.5)
[ "$walked" -gt 10000 ] || fail "W did not walk ($walked pixels changed)"
turned=$(changed_by x_try xdotool mousemove_relative -- 150 0)
[ "$turned" -gt 10000 ] || fail "the mouse did not turn the view ($turned pixels changed)"

screenshot "$E2E_TMP/frame.png"
press F12
pictures=$(readlink -f "$WINE_USER_DIR/Pictures")/Vorbexia
for waited in $(seq 30); do
  bmp=$(ls "$pictures"/*.bmp 2>/dev/null | head -1)
  [ -n "$bmp" ] && break
  sleep 0.1
done
[ -n "$bmp" ] || fail "no screenshot in $pictures"
# "BM", then the 24 bits per pixel of the info header at byte 28.
[ "$(head -c2 "$bmp")" = BM ] && [ "$(od -An -tu2 -j28 -N2 "$bmp" | tr -d ' ')" = 24 ] &&
  [ "$(identify -format '%wx%h' "$bmp")" = 800x600 ] || fail "screenshot: $(identify "$bmp")"
# The very frame on the screen, give or take the robots' steps meanwhile.
convert "$E2E_TMP/frame.png" -crop "$view" +repage "$E2E_TMP/frame-view.png"
differs=$(compare -metric AE -fuzz 10% "$bmp" "$E2E_TMP/frame-view.png" null: 2>&1 | cut -d' ' -f1)
[ "$differs" -lt 24000 ] || fail "the screenshot is not the frame ($differs of 480000 pixels differ)"

press Escape
expect_exit_code 0 20
[ ! -s "$VORBEXIA_BOX_LOG" ] || fail "boxes: $(cat "$VORBEXIA_BOX_LOG")"
echo "ok: settings file under Wine: no question, W walks, the mouse turns, F12 writes the frame"
