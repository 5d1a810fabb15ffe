#!/usr/bin/env bash
# One game on both systems: the Windows game under Wine and the Linux build
# (build/test) play the same demos to the same final state.
#  (a) bench/win.demo: vorbexia.exe --timedemo ends where vorbexia-sim --demo
#      ends on Linux;
#  (b) a game recorded under Wine (walk, turn, fire, Esc; the demo's name has
#      a space) replays on Linux with vorbexia-sim --demo to where the Windows
#      --timedemo of it ends;
#  (c) a game recorded by the Linux game replays under Wine with --timedemo
#      to where the Linux --timedemo and vorbexia-sim end.
# The timedemo's figures under Wine go to standard output redirected to a
# file (their lines end in CR LF there). Skipped where the Linux build is
# absent (./test builds it).
source "$(dirname "$0")/lib.sh"
GAME=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
LINUX_GAME=$ROOT/build/test/vorbexia
LINUX_SIM=$ROOT/build/test/tools/vorbexia-sim
for program in "$LINUX_GAME" "$LINUX_SIM"; do
  if [ ! -x "$program" ]; then
    echo "skipped: no Linux build to compare with ($program is missing; ./test builds it)"
    exit 0
  fi
done
cd "$ROOT" || fail "no folder $ROOT"

# last_state FILE: its last line, without a Windows line end.
last_state() { tail -n 1 "$1" | tr -d '\r'; }

# windows_timedemo DEMO: DEMO played with --timedemo under Wine; its final
# state line in WINDOWS_STATE.
windows_timedemo() {
  start_game "$GAME" --timedemo "$1"
  expect_exit_code 0 120
  grep -qE '^timedemo: [0-9]+ frames, [0-9.]+ seconds, [0-9.]+ fps'$'\r''?$' "$E2E_TMP/stdout" ||
    fail "no timedemo line under Wine: $(cat "$E2E_TMP/stdout" "$E2E_TMP/stderr")"
  WINDOWS_STATE=$(last_state "$E2E_TMP/stdout")
}

# linux_sim DEMO: the final state line of vorbexia-sim --demo on Linux.
linux_sim() {
  "$LINUX_SIM" --demo "$1" >"$E2E_TMP/sim.out" || fail "vorbexia-sim --demo $1 failed"
  LINUX_STATE=$(last_state "$E2E_TMP/sim.out")
}

# expect_same WHAT: WINDOWS_STATE and LINUX_STATE are one line.
expect_same() {
  [ -n "$LINUX_STATE" ] && [ "$WINDOWS_STATE" = "$LINUX_STATE" ] ||
    fail "$1: Windows ends in '$WINDOWS_STATE', Linux in '$LINUX_STATE'"
  echo "$1: both end in: $LINUX_STATE"
}


# expect_demo FILE SEED: a recorded game of at least a second with that seed,
# walking, turning both ways and firing.
expect_demo() {
  [ "$(head -2 "$1" | tr -d '\r')" = "$(printf 'vorbexia-demo 1\nseed %s' "$2")" ] ||
    fail "header of $1: $(head -2 "$1")"
  [ $(($(wc -l <"$1") - 2)) -ge 60 ] || fail "only $(($(wc -l <"$1") - 2)) frames in $1"
  local keys
  for keys in U L R S; do
    grep -q "$keys" "$1" || fail "no frame with $keys in $1"
  done
}

start_wine_xvfb 1024x768x24 "$GAME"

windows_timedemo bench/win.demo
linux_sim bench/win.demo
expect_same "(a) bench/win.demo"

WINDOWS_DEMO="$E2E_TMP/recorded on windows.demo"
start_game "$GAME" --windowed --mute --seed 11 --record "$WINDOWS_DEMO"
play_short_game 30
expect_demo "$WINDOWS_DEMO" 11
windows_timedemo "$WINDOWS_DEMO"
linux_sim "$WINDOWS_DEMO"
expect_same "(b) recorded under Wine"

LINUX_DEMO=$E2E_TMP/linux.demo
"$LINUX_GAME" --windowed --mute --seed 12 --record "$LINUX_DEMO" \
  >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" &
GAME_PID=$!
play_short_game 30
expect_demo "$LINUX_DEMO" 12
"$LINUX_GAME" --timedemo "$LINUX_DEMO" >"$E2E_TMP/linux.out" 2>&1 || fail "the Linux timedemo failed"
linux_sim "$LINUX_DEMO"
[ "$(last_state "$E2E_TMP/linux.out")" = "$LINUX_STATE" ] ||
  fail "the Linux timedemo and vorbexia-sim disagree: $(cat "$E2E_TMP/linux.out")"
windows_timedemo "$LINUX_DEMO"
expect_same "(c) recorded on Linux"
[ ! -s "$VORBEXIA_BOX_LOG" ] || fail "boxes shown: $(cat "$VORBEXIA_BOX_LOG")"
echo "ok: one game on both systems: the same final states"
