#!/usr/bin/env bash
# A timedemo tells its progress on standard error when that is a terminal
# (a pseudo-terminal here), and nothing of it into a pipe; the figures and
# the final state line come the same either way, the state line last.
source "$(dirname "$0")/lib.sh"
GAME=$1
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
head -n 302 "$ROOT/bench/win.demo" >"$E2E_TMP/short.demo"  # the first 300 frames

start_xvfb 800x600x24
script -qec "'$GAME' --timedemo '$E2E_TMP/short.demo' --mute" "$E2E_TMP/terminal" >/dev/null ||
  fail "the timedemo on a terminal failed: $(cat "$E2E_TMP/terminal")"
grep -q 'vorbexia: timedemo frame [0-9]* of 300' "$E2E_TMP/terminal" ||
  fail "no progress on the terminal: $(cat "$E2E_TMP/terminal")"
"$GAME" --timedemo "$E2E_TMP/short.demo" --mute >"$E2E_TMP/piped" 2>&1 | cat ||
  fail "the timedemo into a pipe failed"
grep -q 'timedemo frame' "$E2E_TMP/piped" && fail "progress into a pipe: $(cat "$E2E_TMP/piped")"
last_terminal=$(tr -d '\r' <"$E2E_TMP/terminal" | grep -v -e '^$' -e '^Script ' | tail -1)
last_piped=$(tail -1 "$E2E_TMP/piped")
[ "$last_terminal" = "$last_piped" ] || fail "the last lines differ: '$last_terminal' / '$last_piped'"
echo "ok: progress on a terminal, none in a pipe; both end on $last_piped"
