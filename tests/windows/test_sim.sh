#!/usr/bin/env bash
# vorbexia-sim.exe under Wine, as tools/sim.cmake checks it on Linux: the
# recorded script plays to the recorded states (its lines end in CR LF on
# Windows: compared without the CR), bad input is refused with one line and
# exit code 2, and failed reads and writes are reported.
#   tests/windows/test_sim.sh GAME.exe   (vorbexia-sim.exe is in tools/ beside it)
set -u
WINE_RUN="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine-run.sh"
SIM=$(dirname "$1")/tools/vorbexia-sim.exe
DATA=$(dirname "$0")/../demo/data
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
sim() { "$WINE_RUN" "$SIM" "$@"; }

[ -f "$SIM" ] || fail "no $SIM"
sim --seed 7 --frames 60 <"$DATA/sim_short.script" | tr -d '\r' >"$TMP/states"
diff -u "$DATA/sim_short.expected" "$TMP/states" || fail "the script played to other states"

# expect_refusal CODE WHAT: exit code 2, nothing on standard output, one line
# on standard error.
expect_refusal() {
  [ "$1" = 2 ] || fail "$2: exit code $1, expected 2"
  [ ! -s "$TMP/out" ] || fail "$2: states written"
  [ "$(wc -l <"$TMP/err")" = 1 ] || fail "$2: standard error: $(cat "$TMP/err")"
}
printf 'U\nUX\n' | sim --seed 7 >"$TMP/out" 2>"$TMP/err"
expect_refusal $? "an unknown key"
sim --seed 7 --frames 1x </dev/null >"$TMP/out" 2>"$TMP/err"
expect_refusal $? "a malformed number"
sim --demo . >"$TMP/out" 2>"$TMP/err"
expect_refusal $? "a folder as the demo"
grep -q "cannot open the demo '.'" "$TMP/err" || fail "folder: $(cat "$TMP/err")"
head -c 10000000 /dev/zero | tr '\0' U | sim --seed 7 >"$TMP/out" 2>"$TMP/err"
expect_refusal $? "an endless line"
grep -q 'line too long' "$TMP/err" || fail "endless line: $(cat "$TMP/err")"
sim --seed 7 </ >"$TMP/out" 2>"$TMP/err"
expect_refusal $? "a folder as standard input"
grep -q 'cannot read' "$TMP/err" || fail "folder as input: $(cat "$TMP/err")"

echo U | sim --seed 7 >/dev/full 2>"$TMP/err"
code=$?
[ $code = 1 ] && grep -q 'cannot write' "$TMP/err" || fail "a full disk: exit code $code, $(cat "$TMP/err")"
echo "ok: vorbexia-sim under Wine replays the script and refuses bad input"
