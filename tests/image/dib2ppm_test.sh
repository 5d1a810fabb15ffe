#!/usr/bin/env bash
# dib2ppm CASE: the converter's failures (a full disk, a size limit) touch
# nothing but its own temporary file, which they remove, and a picture path
# that is no regular file never blocks.
#   usage: dib2ppm_test.sh DIB2PPM PICTURE.bmp CASE   (exit 77: skipped)
set -u
tool=$(realpath "$1")
picture=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
chmod 755 "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

# run_tool OUT [RUNNER...]: converts the picture to OUT within 20 s; sets CODE.
run_tool() {
  local out=$1
  shift
  CODE=0
  timeout 20 "$@" "$tool" "$picture" "$out" 2>stderr || CODE=$?
}

# expect_refused OUT: exit 1, one line saying so, no file left beside OUT.
expect_refused() {
  [ "$CODE" = 1 ] || fail "exit code $CODE, expected 1"
  grep -q "cannot write $1" stderr || fail "no word of the failure: $(cat stderr)"
  [ -z "$(find "$(dirname "$1")" -maxdepth 1 -name '*.tmp*')" ] || fail "a temporary file was left"
}

case $3 in
  keeps_folder)
    mkdir out.ppm
    run_tool out.ppm
    expect_refused out.ppm
    [ -d out.ppm ] || fail "the folder was removed"
    ;;
  keeps_device)
    # The full device (1, 7) where the picture should go: every write fails.
    [ "$(id -u)" = 0 ] && mknod full c 1 7 2>/dev/null || exit 77
    run_tool full
    expect_refused full
    [ -c full ] || fail "the device was removed or replaced"
    ;;
  keeps_read_only_file)
    [ "$(id -u)" = 0 ] || exit 77
    chmod 777 "$work"
    echo old >out.ppm && chmod 444 out.ppm
    run_tool out.ppm setpriv --reuid=65534 --regid=65534 --clear-groups
    expect_refused out.ppm
    [ "$(cat out.ppm)" = old ] || fail "the read-only file was changed or removed"
    ;;
  replaces_whole)
    echo old >out.ppm
    run_tool out.ppm
    [ "$CODE" = 0 ] || fail "exit code $CODE: $(cat stderr)"
    [ "$(head -c 2 out.ppm)" = P6 ] || fail "no picture written"
    [ "$(ls | tr '\n' ' ')" = "out.ppm stderr " ] || fail "other files left: $(ls)"
    ;;
  size_limit)  # a write past a size limit fails as on a full disk
    echo old >out.ppm
    run_tool out.ppm bash -c 'ulimit -f 1 && exec "$@"' limit
    expect_refused out.ppm
    [ "$(cat out.ppm)" = old ] || fail "out.ppm was changed"
    ;;
  refuses_fifo)
    mkfifo in.bmp
    picture=$work/in.bmp
    run_tool out.ppm
    [ "$CODE" = 1 ] || fail "exit code $CODE, expected 1 (124: it blocked)"
    [ "$(cat stderr)" = "Failed to open DIB file $picture." ] || fail "stderr: $(cat stderr)"
    [ ! -e out.ppm ] || fail "an output file was written"
    ;;
  *) fail "unknown case $3" ;;
esac
echo "ok: $3"
