#!/usr/bin/env bash
# The game window carries the game's own icon: _NET_WM_ICON holds one
# 64 x 64 picture, pixel for pixel the committed window-icon-64.rgba (the
# 64 px desktop icon) in X11's ARGB order.
source "$(dirname "$0")/lib.sh"
GAME=$1

start_xvfb 1024x768x24
start_game "$GAME" --windowed
id=$(wait_window "Vorbexia" 20)
sleep 0.5
x_try xprop -id "$id" -notype -f _NET_WM_ICON 32c _NET_WM_ICON >"$E2E_TMP/icon" ||
  fail "xprop failed"
python3 - "$E2E_TMP/icon" dist/linux/icons/window-icon-64.rgba <<'PYTHON' || fail "wrong icon"
import sys
text = open(sys.argv[1]).read()
if "=" not in text: sys.exit("no _NET_WM_ICON: " + text.strip())
values = [int(v) for v in text.split("=", 1)[1].split(",")]
rgba = open(sys.argv[2], "rb").read()
argb = [a << 24 | r << 16 | g << 8 | b for r, g, b, a in zip(*[iter(rgba)] * 4)]
if values[:2] != [64, 64]: sys.exit("icon of %d x %d" % tuple(values[:2]))
if values[2:] != argb: sys.exit("64 x 64, but not the game's pixels")
PYTHON
press Escape
expect_exit_code 0 20
echo "ok: the window's icon is the game's 64 x 64 icon"
