#!/usr/bin/env bash
# An empty texture file: the reader's box ("Error") comes while the game
# window is up, then the window is torn down, then "Blad w procedurze
# InitGL." with no window left on screen; the game ends with 0.
source "$(dirname "$0")/lib.sh"
GAME=$(realpath "$1")

run_in_texture_copy
: >"textures/qq.bmp"

start_and_answer 1024x768x24 "$GAME" Escape
expect_reader_box_then_initgl
echo "ok: broken texture reported, window gone before the InitGL box, exit code 0"
