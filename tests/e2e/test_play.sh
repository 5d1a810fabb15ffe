#!/usr/bin/env bash
# A short game: "Nie" for a window, walk and turn with the arrow keys, fire,
# look at the screen (the lit, textured maze), quit with Esc: exit code 0.
source "$(dirname "$0")/lib.sh"
GAME=$1
VIEW=800x600+0+0  # the game window on the screen

# keep FILE: with VORBEXIA_KEEP_SCREENSHOTS=DIR the screenshots are kept there.
keep() {
  [ -n "${VORBEXIA_KEEP_SCREENSHOTS:-}" ] && cp "$1" "$VORBEXIA_KEEP_SCREENSHOTS"/
  return 0
}

# detail FILE: mean grey difference (0..255) between the view and the view
# blurred by one pixel. The game's textures give 2 to 3; the same maze drawn
# without textures, lit smoothly, gives about 0.2.
detail() {
  convert "$1" -crop "$VIEW" +repage \( +clone -blur 0x1 \) \
    -compose difference -composite -colorspace gray -format '%[fx:255*mean]' info:
}

# check_maze FILE WHAT: the view is lit and textured, not black, flat or
# blank. (The game's start view: brightness about 25, 8,000 colours; without
# textures it would be about 70 and 900 colours.)
check_maze() {
  local brightness colours texture
  brightness=$(mean_brightness "$1" "$VIEW")
  colours=$(convert "$1" -crop "$VIEW" +repage -format '%k' info:)
  texture=$(detail "$1")
  echo "$2: mean brightness $brightness, $colours colours, detail $texture"
  [ "$brightness" -ge 12 ] && [ "$brightness" -le 60 ] ||
    fail "$2: mean brightness $brightness outside 12..60"
  [ "$colours" -ge 5000 ] || fail "$2: only $colours colours, expected a textured maze"
  awk -v d="$texture" 'BEGIN { exit !(d >= 1.0) }' || fail "$2: detail $texture, expected textures"
}

start_windowed "$GAME"
screenshot "$E2E_TMP/start.png"
keep "$E2E_TMP/start.png"
check_maze "$E2E_TMP/start.png" "start view"

press Up 1.0      # the game reads held keys every frame, at most 60 a second
press Left 0.5    # about 30 turns of 3 degrees
press Down 0.3
press Right 0.2
press space 0.1
sleep 0.05       # the shot is in flight for a few frames
screenshot "$E2E_TMP/play.png"
keep "$E2E_TMP/play.png"
check_maze "$E2E_TMP/play.png" "after walking and firing"

# The view must have changed: the player walked and turned.
changed=$(compare -metric AE -fuzz 2% "$E2E_TMP/start.png" "$E2E_TMP/play.png" null: 2>&1 || true)
echo "pixels changed: $changed"
[ "${changed%%.*}" -ge 100000 ] || fail "the view hardly changed ($changed pixels)"

kill -0 "$GAME_PID" || fail "the game ended on its own"
press Escape
expect_exit_code 0 20
[ -z "$(window_id Vorbexia)" ] || fail "the window outlived the game"
echo "ok: played, fired and quit with exit code 0"
