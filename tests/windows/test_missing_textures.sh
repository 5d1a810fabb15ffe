#!/usr/bin/env bash
# Under Wine, textures are read against the working directory: started from
# a folder without textures/ (the game itself lies elsewhere), and from one
# whose textures/ lacks qq.bmp, the game says "Blad w procedurze InitGL."
# with no window left and ends with 0. A missing file is skipped silently
# (no reader's box), as the game always did.
source "$(dirname "$0")/lib.sh"
GAME=$(realpath "$1")
TEXTURES=$PWD/textures

# run_without FOLDER: the game in FOLDER, "n" to the mode question.
run_without() {
  cd "$1" || fail "no folder $1"
  : >"$VORBEXIA_BOX_LOG"
  start_game "$GAME"
  answer_box "Wybor trybu" n
  wait_window "ERROR" 30 >/dev/null
  [ -z "$(window_id Vorbexia)" ] || fail "a game window is still there at the InitGL box"
  answer_box "ERROR" Return
  expect_exit_code 0 20
  [ "$(grep -c . "$VORBEXIA_BOX_LOG")" -eq 2 ] || fail "boxes: $(cat "$VORBEXIA_BOX_LOG")"
  expect_box_logged "ERROR: Blad w procedurze InitGL."
}

start_wine_xvfb 1024x768x24 "$GAME"
mkdir -p "$E2E_TMP/empty" "$E2E_TMP/partial/textures"
run_without "$E2E_TMP/empty"
cp "$TEXTURES"/*.bmp "$E2E_TMP/partial/textures/"
rm "$E2E_TMP/partial/textures/qq.bmp"
run_without "$E2E_TMP/partial"
echo "ok: no textures folder and a missing texture: the InitGL box, exit code 0"
