#!/usr/bin/env bash
# A game recorded with --record (walk, turn, fire, Esc) replays exactly:
# --timedemo and vorbexia-sim --demo end in the same state, and --replay
# plays it to its end by itself.
source "$(dirname "$0")/lib.sh"
GAME=$1
SIM=$(dirname "$GAME")/tools/vorbexia-sim
DEMO=$E2E_TMP/game.demo

start_xvfb 1024x768x24
start_game "$GAME" --windowed --seed 7 --record "$DEMO"
play_short_game 20
[ ! -s "$VORBEXIA_BOX_LOG" ] || fail "boxes shown: $(cat "$VORBEXIA_BOX_LOG")"

[ "$(head -2 "$DEMO")" = "$(printf 'vorbexia-demo 1\nseed 7')" ] || fail "header: $(head -2 "$DEMO")"
frames=$(($(wc -l <"$DEMO") - 2))
echo "recorded $frames frames"
[ "$frames" -ge 60 ] || fail "only $frames frames recorded"
for keys in U L R S; do
  grep -q "$keys" "$DEMO" || fail "no frame with $keys in the demo"
done

"$SIM" --demo "$DEMO" >"$E2E_TMP/sim.out" || fail "vorbexia-sim --demo failed"
expected=$(tail -1 "$E2E_TMP/sim.out")
[ "${expected%% *}" = "$frames" ] || fail "the simulator stopped at ${expected%% *}"

start_game "$GAME" --timedemo "$DEMO"
expect_exit_code 0 60
cat "$E2E_TMP/stdout"
grep -qE "^timedemo: $frames frames, [0-9.]+ seconds, [0-9.]+ fps$" "$E2E_TMP/stdout" ||
  fail "no timedemo line: $(cat "$E2E_TMP/stdout")"
[ "$(tail -1 "$E2E_TMP/stdout")" = "$expected" ] ||
  fail "timedemo ends in another state: $(tail -1 "$E2E_TMP/stdout") (simulator: $expected)"
[ ! -s "$VORBEXIA_BOX_LOG" ] || fail "the timedemo showed boxes: $(cat "$VORBEXIA_BOX_LOG")"

# At 60 frames per second the replay takes about as long as the game did;
# the keyboard does not steer it.
start_game "$GAME" --windowed --replay "$DEMO"
wait_window "Vorbexia" 20 >/dev/null
press Down 0.3
expect_exit_code 0 $((frames / 60 + 20))
[ ! -s "$VORBEXIA_BOX_LOG" ] || fail "boxes shown: $(cat "$VORBEXIA_BOX_LOG")"
echo "ok: recorded $frames frames; timedemo and simulator agree; replay ended by itself"
