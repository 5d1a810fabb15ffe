#!/usr/bin/env bash
# The windowed game can be resized and maximised: a window made larger (as a
# window manager would, here straight through X) is filled by the picture.
source "$(dirname "$0")/lib.sh"
GAME=$1

start_windowed "$GAME"
id=$(wait_window "Vorbexia" 20)
hints=$(x_try xprop -id "$id" WM_NORMAL_HINTS) || fail "no size hints"
grep -q "maximum size" <<<"$hints" && fail "the window has a fixed size: $hints"
x_try xdotool windowsize "$id" 1000 740 || fail "could not resize the window"
sleep 1
screenshot "$E2E_TMP/resized.png"
# The strips beyond the first 800 x 600 pixels: the scene reaches them.
for strip in 180x740+810+0 1000x130+0+605; do
  colours=$(convert "$E2E_TMP/resized.png" -crop "$strip" +repage -format '%k' info:)
  [ "$colours" -gt 50 ] || fail "strip $strip is blank ($colours colours)"
done
press Escape
expect_exit_code 0 20
echo "ok: the window resized to 1000 x 740 is filled by the picture"
