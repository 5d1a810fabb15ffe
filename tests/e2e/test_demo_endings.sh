#!/usr/bin/env bash
# A recording replaces an older demo only when its game has ended: a game
# that never starts leaves the old demo as it was, a killed one leaves it
# whole with the partial recording beside it in FILE.part, which no later
# game empties or removes, and a hang-up ends the game as Esc does,
# recording complete. One game records a file at a time. A FIFO is neither
# waited for as a demo nor as a recording. A timedemo that is interrupted,
# cannot write its figures or never runs says so and fails.
source "$(dirname "$0")/lib.sh"
GAME=$1
SIM=$(dirname "$GAME")/tools/vorbexia-sim
DEMO=$E2E_TMP/game.demo
OLD=$(printf 'vorbexia-demo 1\nseed 3\nU\nUL\n')

expect_old_demo() {
  [ "$(cat "$DEMO")" = "$OLD" ] || fail "$1: the old demo changed: $(head -3 "$DEMO")"
}

# expect_refused TEXT ARGS...: without a display the game ends at once, exit
# code 2, with one line holding TEXT.
expect_refused() {
  local text=$1 code=0
  DISPLAY= timeout 10 "$GAME" --windowed "${@:2}" 2>"$E2E_TMP/refused" || code=$?
  [ "$code" = 2 ] && [ "$(grep -cF "$text" "$E2E_TMP/refused")" = 1 ] ||
    fail "$*: exit code $code (124: it hung), $(cat "$E2E_TMP/refused")"
}

code=0
"$GAME" --replay "$E2E_TMP" >/dev/null 2>"$E2E_TMP/stderr" || code=$?
[ "$code" = 2 ] && [ "$(wc -l <"$E2E_TMP/stderr")" = 1 ] ||
  fail "a folder as demo: exit code $code, $(cat "$E2E_TMP/stderr")"

mkfifo "$E2E_TMP/fifo"
expect_refused "not a regular file" --replay "$E2E_TMP/fifo"
expect_refused "no program is reading from it" --record "$E2E_TMP/fifo"

printf '%s\n' "$OLD" >"$DEMO"
DISPLAY= "$GAME" --windowed --record "$DEMO" >/dev/null 2>&1
expect_old_demo "no display"
[ ! -e "$DEMO.part" ] || fail "no display: $DEMO.part left behind"

start_xvfb 1024x768x24
start_game "$GAME" --windowed --seed 7 --record "$DEMO"
wait_window "Vorbexia" 20 >/dev/null
press Up 0.5
end_by_signal KILL
expect_old_demo "SIGKILL"
[ "$(head -2 "$DEMO.part")" = "$(printf 'vorbexia-demo 1\nseed 7')" ] ||
  fail "SIGKILL: no partial recording beside the demo"
expect_refused "'$DEMO.part' is already there" --record "$DEMO"
[ -s "$DEMO.part" ] && rm "$DEMO.part" || fail "the killed game's recording is gone"

start_game "$GAME" --windowed --seed 7 --record "$DEMO"
wait_window "Vorbexia" 20 >/dev/null
press Up 0.5
expect_refused "already there" --record "$DEMO"  # a second game
press Left 0.3
end_by_signal HUP
[ "$GAME_CODE" = 0 ] || fail "SIGHUP: exit code $GAME_CODE"
[ ! -e "$DEMO.part" ] || fail "SIGHUP: $DEMO.part left behind"
frames=$(($(wc -l <"$DEMO") - 2))
[ "$frames" -ge 20 ] || fail "SIGHUP: the recording holds $frames frames"
"$SIM" --demo "$DEMO" >"$E2E_TMP/sim.out" || fail "the recording does not replay"

code=0
"$GAME" --timedemo "$DEMO" >/dev/full 2>"$E2E_TMP/stderr" || code=$?
[ "$code" = 1 ] || fail "figures written to a full disk: exit code $code"
grep -q "cannot write the timedemo's figures" "$E2E_TMP/stderr" ||
  fail "no line for the lost figures: $(cat "$E2E_TMP/stderr")"
# A reader that has gone: the write fails, no SIGPIPE kills the game.
code=$( ("$GAME" --timedemo "$DEMO" 2>"$E2E_TMP/stderr"; echo $? >"$E2E_TMP/code") | true
        cat "$E2E_TMP/code")
[ "$code" = 1 ] || fail "figures written to a closed pipe: exit code $code"
grep -q "cannot write the timedemo's figures: Broken pipe" "$E2E_TMP/stderr" ||
  fail "no line for the figures lost in a closed pipe: $(cat "$E2E_TMP/stderr")"

# A long demo, interrupted a second in.
start_game "$GAME" --timedemo bench/win.demo
sleep 1
kill -INT "$GAME_PID"
expect_exit_code 130 20
grep -qE '^vorbexia: the timedemo was interrupted after [0-9]+ frames$' "$E2E_TMP/stderr" ||
  fail "no line for the interruption: $(cat "$E2E_TMP/stderr")"
[ ! -s "$E2E_TMP/stdout" ] || fail "an interrupted timedemo printed figures: $(cat "$E2E_TMP/stdout")"

# No 800 x 600 mode on this display: full screen is refused.
start_game "$GAME" --fullscreen --timedemo "$DEMO"
expect_exit_code 1 30
grep -q "the timedemo did not run" "$E2E_TMP/stderr" ||
  fail "no line saying the timedemo did not run: $(cat "$E2E_TMP/stderr")"
echo "ok: old demo and partial recordings kept; FIFOs refused; timedemo failures reported"
