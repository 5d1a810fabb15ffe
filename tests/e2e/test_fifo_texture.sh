#!/usr/bin/env bash
# A FIFO where a texture file should be: nothing blocks on it. The reader
# refuses it with its open failure ("Error"), then comes the InitGL box
# ("ERROR") and the game ends with 0.
source "$(dirname "$0")/lib.sh"
GAME=$(realpath "$1")

run_in_texture_copy
rm "textures/qq.bmp"
mkfifo "textures/qq.bmp"

start_and_answer 1024x768x24 "$GAME" Escape
answer_box "Error" Return
answer_box "ERROR" Return
expect_exit_code 0 20
echo "ok: a FIFO texture is refused with the reader's box, then the InitGL box, exit code 0"
