#!/bin/sh
# make-ico.sh OUT.ico PICTURE.png...: packs the desktop icons into one
# Windows icon file, each picture kept as the PNG it is (Windows Vista and
# later read PNG icons of any size; the game needs Windows 7). Width, height
# and depth come from each PNG's header; a 256 px side is written as 0, as
# the icon directory has one byte for it. Needs only a POSIX shell and od.
set -eu
[ $# -ge 2 ] || { echo "usage: $0 OUT.ico PICTURE.png..." >&2; exit 2; }
out=$1
shift

# Little-endian numbers, byte by byte (printf's octal escapes carry NULs).
byte() { printf "\\$(printf %03o "$(($1 & 255))")"; }
le16() { byte "$1"; byte $(($1 >> 8)); }
le32() { le16 $(($1 & 65535)); le16 $(($1 >> 16 & 65535)); }

# entry PICTURE.png OFFSET: the directory entry of a picture stored at OFFSET.
entry() {
  png=$1 offset=$2 size=$(wc -c <"$1")
  # Signature, IHDR's length and name, width, height, bit depth, colour type.
  set -- $(od -An -tu1 -N26 "$png")
  [ $# -eq 26 ] && [ "$1 $2 $3 $4 $5 $6 $7 $8" = "137 80 78 71 13 10 26 10" ] &&
    [ "${13} ${14} ${15} ${16}" = "73 72 68 82" ] ||
    { echo "$png: not a PNG picture" >&2; return 1; }
  width=$(( (${17} << 24) | (${18} << 16) | (${19} << 8) | ${20} ))
  height=$(( (${21} << 24) | (${22} << 16) | (${23} << 8) | ${24} ))
  [ "$width" -ge 1 ] && [ "$width" -le 256 ] && [ "$height" -ge 1 ] && [ "$height" -le 256 ] ||
    { echo "$png: ${width}x$height does not fit an icon (256 px at most)" >&2; return 1; }
  case ${26} in  # colour type: RGB, grey and alpha, RGBA; else one sample
    2) bits=$((3 * ${25})) ;;
    4) bits=$((2 * ${25})) ;;
    6) bits=$((4 * ${25})) ;;
    *) bits=${25} ;;
  esac
  byte "$width"   # 256 wraps to 0
  byte "$height"
  byte 0          # no palette
  byte 0          # reserved
  le16 1          # planes
  le16 "$bits"
  le32 "$size"
  le32 "$offset"
}

tmp=$out.tmp
{
  le16 0    # reserved
  le16 1    # type: icon
  le16 $#   # pictures
  offset=$((6 + 16 * $#))
  for png in "$@"; do
    entry "$png" "$offset"
    offset=$((offset + $(wc -c <"$png")))
  done
  cat "$@"
} >"$tmp" || { rm -f "$tmp"; exit 1; }
mv "$tmp" "$out"
