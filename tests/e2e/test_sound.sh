#!/usr/bin/env bash
# The game's sounds, recorded through SDL's disk driver and named by
# sound-trace: a shot that hits a robot is heard as the shot and the hit, a
# won game (mixed faster than real time by sound-render) ends with every
# fall, the victory heard whole and footsteps on the way; a game without
# events, or muted, is silent.
source "$(dirname "$0")/lib.sh"
GAME=$1
TRACE=$(dirname "$GAME")/tests/sound-trace
RENDER=$(dirname "$GAME")/tests/sound-render
export SDL_AUDIODRIVER=disk

# play NAME DEMO ARGS...: replays DEMO with the sound written to NAME.raw;
# the sounds found go to NAME.trace.
play() {
  local name=$1 demo=$2
  shift 2
  SDL_DISKAUDIOFILE="$E2E_TMP/$name.raw" "$GAME" --windowed --replay "$demo" "$@" \
    >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" &
  GAME_PID=$!
}

# sounds NAME: the names of the sounds heard, in order, on one line.
sounds() {
  "$TRACE" "$E2E_TMP/$1.raw" >"$E2E_TMP/$1.trace" ||
    fail "$1: a sound that is none of the game's: $(tail -1 "$E2E_TMP/$1.trace")"
  cut -d' ' -f2 "$E2E_TMP/$1.trace" | tr '\n' ' ' | sed 's/ $//'
}

start_xvfb 1024x768x24
# bench/win.demo turns towards robot 0 and fires in frame 17; the shot hits
# it in frame 18. Then 60 frames without keys.
HIT=$E2E_TMP/hit.demo
{ head -n 20 bench/win.demo; yes '' | head -n 60; } >"$HIT"
play hit "$HIT"
expect_exit_code 0 30
[ "$(sounds hit)" = "shot robot-hit" ] || fail "heard: $(sounds hit)"

play muted "$HIT" --mute
expect_exit_code 0 30
[ ! -s "$E2E_TMP/muted.raw" ] || [ -z "$(sounds muted)" ] ||
  fail "muted, yet heard: $(sounds muted)"

QUIET=$E2E_TMP/quiet.demo
{ head -n 2 bench/win.demo; yes '' | head -n 60; } >"$QUIET"
play quiet "$QUIET"
expect_exit_code 0 30
[ -s "$E2E_TMP/quiet.raw" ] || fail "no sound output written"
[ -z "$(sounds quiet)" ] || fail "no event, yet heard: $(sounds quiet)"

# SDL's ALSA driver: on a machine without a sound card alsa-lib's own error
# lines stay off the terminal; the game says it in one line, or plays.
SDL_AUDIODRIVER=alsa "$GAME" --windowed --replay "$QUIET" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" &
GAME_PID=$!
expect_exit_code 0 30
grep -v '^vorbexia: no sound device (.*); playing without sound$' "$E2E_TMP/stderr" &&
  fail "more than the one line of no sound on the terminal"

# The whole won game (about 24 seconds of play), mixed by the game's own
# cues and mixer faster than real time; the short games above went through
# the sound device in real time.
"$RENDER" bench/win.demo "$E2E_TMP/won.raw" || fail "the won game's sound was not rendered"
heard=$(sounds won)
[ "$(grep -o robot-fall <<<"$heard" | wc -l)" = 5 ] || fail "falls: $heard"
[[ "$heard" == *"robot-fall victory" ]] || fail "not ending on the victory: $heard"
grep -q footstep <<<"$heard" || fail "no footstep: $heard"
grep -q cut "$E2E_TMP/won.trace" && fail "a sound cut off: $(grep cut "$E2E_TMP/won.trace")"
exit 0
