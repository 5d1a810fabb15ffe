#!/usr/bin/env bash
# A 37 x 37 plain red 24-bit picture for the walls: rows of 111 bytes, not a
# multiple of 4. The walls come out red, lit but without stripes of other
# colours, which rows read sheared would give.
source "$(dirname "$0")/lib.sh"
GAME=$(realpath "$1")

run_in_texture_copy
python3 - "textures/brick.bmp" <<'PY' || fail "could not write the picture"
import struct, sys
side, row = 37, (37 * 3 + 3) // 4 * 4
pixels = (bytes([0, 0, 255]) * side + bytes(row - side * 3)) * side  # blue, green, red
info = struct.pack("<IiiHHIIiiII", 40, side, side, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
head = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
open(sys.argv[1], "wb").write(head + info + pixels)
PY

start_windowed "$GAME"
screenshot "$E2E_TMP/walls.png"
[ -n "${E2E_SHOT:-}" ] && cp "$E2E_TMP/walls.png" "$E2E_SHOT"
# share CONDITION GEOMETRY: pixels of the crop meeting the condition, per mille.
share() {
  convert "$E2E_TMP/walls.png" -crop "$2" +repage -fx "$1" -format '%[fx:int(1000*mean)]' info:
}
# Two stretches of wall from the start position: the far wall ahead and the
# near wall to the right. A robot may stand in front of one of them.
red=0 other=0
for wall in 390x50+95+265 250x70+540+245; do
  red=$((red + $(share 'r>max(g,b)+0.05' "$wall")))
  other=$((other + $(share 'max(g,b)>r+0.05' "$wall")))
done
[ "$red" -ge 700 ] || fail "the walls are not lit red (red $red of 2000 pixels)"
[ "$other" -le 40 ] || fail "the walls show stripes of other colours ($other of 2000 pixels)"
game_key keydown Escape
expect_exit_code 0 20
echo "ok: the 37 x 37 wall picture shows plain red ($red of 2000 red, $other other)"
