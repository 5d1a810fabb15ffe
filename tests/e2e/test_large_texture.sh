#!/usr/bin/env bash
# A wall picture of 200000 x 1 pixels: the reader takes it, the graphics
# cannot. It is refused as a broken picture is: the "Error" box naming the
# file and both sizes while the game window is up, then the teardown and
# "Blad w procedurze InitGL."; the game ends with 0.
source "$(dirname "$0")/lib.sh"
GAME=$(realpath "$1")

run_in_texture_copy
python3 - "textures/brick.bmp" <<'PY' || fail "could not write the picture"
import struct, sys
width = 200000
pixels = bytes((width * 3 + 3) // 4 * 4)
info = struct.pack("<IiiHHIIiiII", 40, width, 1, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
head = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
open(sys.argv[1], "wb").write(head + info + pixels)
PY

start_and_answer 1024x768x24 "$GAME" Escape
expect_reader_box_then_initgl
pattern='^Error: Image textures/brick\.bmp too large for the graphics: 200000 x 1 pixels, at most ([0-9]+) x \1\.$'
boxes=$(grep -v '^Wybor trybu:' "$VORBEXIA_BOX_LOG")
[ "$(wc -l <<<"$boxes")" = 2 ] || fail "boxes: $boxes"
grep -qE "$pattern" <<<"$(head -n 1 <<<"$boxes")" || fail "first box: $(head -n 1 <<<"$boxes")"
[ "$(tail -n 1 <<<"$boxes")" = "ERROR: Blad w procedurze InitGL." ] || fail "last box: $(tail -n 1 <<<"$boxes")"
echo "ok: a picture too wide for the graphics refused in the reader's box, then the InitGL box"
