#!/usr/bin/env bash
# Under Wine: the game's sounds through waveOut, written by ALSA's file
# plugin (the test's own ~/.asoundrc) as a WAV file of one 16-bit channel at
# 44100 Hz, and named by sound-trace: a shot at the nearest wall is heard as
# the shot and the wall hit, a walk as footsteps, each whole; Esc still ends
# the game at once with 0.
source "$(dirname "$0")/lib.sh"
GAME=$1

# sound-trace is a Linux tool: the Linux build's, or built here.
trace_tool() {
  local tool=${SOUND_TRACE:-build/test/tests/sound-trace}
  if [ ! -x "$tool" ]; then
    tool=$E2E_TMP/sound-trace
    c++ -std=c++20 -O2 -ffp-contract=off -Isrc tests/e2e/sound_trace.cpp \
      src/sound/synthesis.cpp -o "$tool" || fail "could not build sound-trace"
  fi
  echo "$tool"
}
TRACE=$(trace_tool)

# ALSA's default device becomes the file; no PulseAudio server is reachable,
# so Wine takes ALSA.
export HOME=$E2E_TMP/home
mkdir -p "$HOME"
WAV=$E2E_TMP/out.wav
cat >"$HOME/.asoundrc" <<EOF
pcm.!default { type file; slave.pcm "null"; file "$WAV"; format "wav" }
EOF
export PULSE_SERVER=unix:$E2E_TMP/no-pulse

# trace: names the sounds of the recording so far (in out.trace); false
# while the game still writes a sound's first samples.
trace() {
  tail -c +45 "$WAV" >"$E2E_TMP/out.raw"
  "$TRACE" --s16 "$E2E_TMP/out.raw" >"$E2E_TMP/out.trace"
}
heard() { cut -d' ' -f2 "$E2E_TMP/out.trace" | tr '\n' ' ' | sed 's/ $//'; }

# act SOUND KEY SECONDS: holds KEY until SOUND is heard. Wine's window may
# miss a key under load: it is pressed again, up to three times.
act() {
  local tries polls
  for tries in 1 2 3; do
    press "$2" "$3"
    for polls in $(seq 20); do
      sleep 0.1
      trace && cut -d' ' -f2 "$E2E_TMP/out.trace" | grep -qx "$1" && return 0
    done
  done
  fail "no $1 after three presses of $2; heard: $(heard)"
}

start_windowed_wine "$GAME"
[ -s "$WAV" ] || fail "no sound output written"
# Heading 180 looks along +z from (2, 2); a quarter turn right (30 frames)
# faces the wall x = 0, two units away.
press Right 0.5
act wall-hit space 0.1
press Left 0.5
act footstep Up 0.8  # about 48 frames: a footstep every 20
sleep 0.5            # every sound heard to its end
press Escape
expect_exit_code 0 20
[ -z "$(window_id Vorbexia)" ] || fail "the window outlived the game"

# The header: channels, samples per second, bits per sample.
format="$(od -An -tu2 -j22 -N2 "$WAV") $(od -An -tu4 -j24 -N4 "$WAV") $(od -An -tu2 -j34 -N2 "$WAV")"
[ "$(echo $format)" = "1 44100 16" ] || fail "format (channels rate bits): $format"
trace || fail "a sound that is none of the game's: $(tail -1 "$E2E_TMP/out.trace")"
[[ "$(heard)" == "shot wall-hit "*footstep* ]] || fail "heard: $(heard)"
grep -q cut "$E2E_TMP/out.trace" && fail "a sound cut off: $(grep cut "$E2E_TMP/out.trace")"
echo "ok: under Wine, waveOut plays 16-bit mono at 44100 Hz: $(heard)"
