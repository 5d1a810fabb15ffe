#!/usr/bin/env bash
# Under Wine, the command line as on Linux: --version prints to a standard
# output redirected to a file; a bad argument and a bad demo get one
# line on standard error and exit code 2, before any window. Started with no
# console and no redirection (`start`, as from a shortcut), the bad
# argument's line comes in the "ERROR" box, and --version in a box of its own.
source "$(dirname "$0")/lib.sh"
GAME=$1

start_wine_xvfb 1024x768x24 "$GAME"
start_game "$GAME" --version
expect_exit_code 0 20
VERSION_LINE='vorbexia [0-9]+\.[0-9]+\.[0-9]+'
grep -qxE "$VERSION_LINE"$'\r' "$E2E_TMP/stdout" || fail "--version: $(cat "$E2E_TMP/stdout")"

# expect_refusal TEXT: exit code 2 with the one line TEXT on standard error.
expect_refusal() {
  expect_exit_code 2 20
  [ ! -s "$E2E_TMP/stdout" ] || fail "printed: $(cat "$E2E_TMP/stdout")"
  [ "$(tr -d '\r' <"$E2E_TMP/stderr")" = "$1" ] || fail "standard error: $(cat "$E2E_TMP/stderr")"
}
start_game "$GAME" --seed 'twelve ż'
expect_refusal "vorbexia: --seed takes a number from 0 to 4294967295, not 'twelve ż' (see vorbexia --help)"
printf 'not a demo\n' >"$E2E_TMP/bad demo"
start_game "$GAME" --timedemo "$E2E_TMP/bad demo"
expect_refusal "vorbexia: demo '$E2E_TMP/bad demo': line 1: not a demo file (expected 'vorbexia-demo 1')"
[ ! -s "$VORBEXIA_BOX_LOG" ] || fail "boxes shown: $(cat "$VORBEXIA_BOX_LOG")"

"$WINE_RUN" start /wait /unix "$GAME" --hud --hud >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" &
GAME_PID=$!
answer_box ERROR Return
expect_exit_code 2 20
expect_box_logged "ERROR: vorbexia: repeated option --hud (see vorbexia --help)"
"$WINE_RUN" start /wait /unix "$GAME" --version >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" &
GAME_PID=$!
answer_box Vorbexia Return
expect_exit_code 0 20
grep -qxE "Vorbexia: $VERSION_LINE" "$VORBEXIA_BOX_LOG" || fail "boxes: $(cat "$VORBEXIA_BOX_LOG")"
echo "ok: the command line under Wine: output redirected, refusals with 2, boxes without a console"
