#!/usr/bin/env bash
# Takes the README's two screenshots from the real game under its own Xvfb:
#   docs/start-view.png  the view at the start, a second after "Nie"
#   docs/robots.png      the view with the most robot in it, out of a slow
#                        turn on the spot (the robots wander at random, so
#                        every run gives other pictures)
# Usage, from the repository root: tools/take_screenshots.sh build/<dir>/vorbexia
source "$(dirname "$0")/../tests/e2e/lib.sh"
GAME=${1:?usage: $0 path/to/vorbexia}
VIEW=800x600+0+0  # the game window on the screen

# robot_score FILE: grey pixels (no channel more than 5 levels off, at
# least 38 bright) between the horizon and the gun: the live robots' metal
# panels. Walls, floor and the mortar of the bricks there are darker or
# coloured.
robot_score() {
  convert "$1" -crop 800x140+0+300 +repage -fx \
    'mx = max(max(r, g), b); mn = min(min(r, g), b); (mx - mn <= 5/255 && mx >= 38/255) ? 1 : 0' \
    -format '%[fx:int(mean*w*h)]' info:
}

start_windowed "$GAME"
screenshot "$E2E_TMP/start.png"
convert "$E2E_TMP/start.png" -crop "$VIEW" +repage docs/start-view.png

best=-1
for step in $(seq 1 48); do
  press Left 0.12  # about 7 turns of 3 degrees
  sleep 0.2
  screenshot "$E2E_TMP/turn.png"
  score=$(robot_score "$E2E_TMP/turn.png")
  if [ "$score" -gt "$best" ]; then
    best=$score
    convert "$E2E_TMP/turn.png" -crop "$VIEW" +repage docs/robots.png
  fi
done
echo "docs/start-view.png; docs/robots.png with $best robot pixels"
press Escape
expect_exit_code 0 20
