#!/usr/bin/env bash
# The player's comforts from a settings file, under a window manager: no mode
# question, a junk line warned about, W walks, the mouse turns, P pauses,
# F12 writes a PNG (the default format) of exactly the picture on screen, F1
# shows the keys, Alt+Enter enters and leaves desktop full screen; the demo
# recorded meanwhile replays to the same final state.
source "$(dirname "$0")/lib.sh"
GAME=$1
TOOLS=$(dirname "$GAME")/tools
DEMO=$E2E_TMP/comforts.demo
mkdir -p "$XDG_CONFIG_HOME/vorbexia"
printf 'start = window\nkeys = wasd\nmouse = on\ncolour = red\n' \
  >"$XDG_CONFIG_HOME/vorbexia/vorbexia.conf"

start_xvfb 1024x768x24
start_window_manager
# Seed 10 has a robot walking in view in its first seconds.
start_game "$GAME" --seed 10 --record "$DEMO"
id=$(wait_window "Vorbexia" 20)
warned() { grep -qF "vorbexia.conf:4: unknown setting 'colour'; ignored" "$E2E_TMP/stderr"; }
wait_until 5 "the warning for the junk line" warned
[ -s "$VORBEXIA_BOX_LOG" ] && fail "boxes shown: $(cat "$VORBEXIA_BOX_LOG")"

shot() { x_try import -window "$id" "$E2E_TMP/$1.png" || fail "no screenshot $1"; }
differing() { compare -metric AE "$E2E_TMP/$1.png" "$E2E_TMP/$2.png" null: 2>&1; }

moved() { shot running2; [ "$(differing running1 running2)" -gt 0 ]; }
shot running1
wait_until 10 "something moving in view" moved
press p 0.1; sleep 0.3
shot paused1; sleep 1; shot paused2
[ "$(differing paused1 paused2)" = 0 ] || fail "the picture changed while paused"

press F12 0.1
for _ in $(seq 50); do grep -q 'screenshot ' "$E2E_TMP/stderr" && break; sleep 0.1; done
png=$(sed -n 's/^vorbexia: screenshot //p' "$E2E_TMP/stderr")
[ -f "$png" ] || fail "no screenshot written: $(cat "$E2E_TMP/stderr")"
[[ $png == */vorbexia-????-??-??-??-??-??.png ]] || fail "not a PNG's name: $png"
[ "$(head -c8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "not a PNG: $png"
[ "$(compare -metric AE "$png" "$E2E_TMP/paused2.png" null: 2>&1)" = 0 ] ||
  fail "the screenshot is not the picture on screen"

press F1 0.1; sleep 0.3; shot help    # the help replaces the pause
[ "$(differing paused2 help)" -gt 1000 ] || fail "F1 shows nothing"
press F1 0.1                          # F1 again goes back to the game

shot before_walk; press w 0.6; shot after_walk
[ "$(differing before_walk after_walk)" -gt 0 ] || fail "W did not walk"
x_try xdotool mousemove --window "$id" 400 300
for _ in $(seq 10); do x_try xdotool mousemove_relative -- 20 0; sleep 0.05; done
sleep 0.5

size() { xwininfo -id "$id" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }
sized() { [ "$(size)" = "$1" ]; }
game_key key alt+Return
wait_until 5 "desktop full screen at the screen's 1024x768" sized 1024x768
game_key key alt+Return
wait_until 5 "the window back at 800x600" sized 800x600
press Escape
expect_exit_code 0 20

grep -q '^U' "$DEMO" || fail "no frame walked in the demo"
turns=$(grep -c '^R$' "$DEMO")
# 200 pixels at 0.15 degrees a pixel: ten steps of 3 degrees.
[ "$turns" = 10 ] || fail "the mouse turned $turns frames, expected 10"
played=$("$GAME" --timedemo "$DEMO" 2>/dev/null | tail -1)
simulated=$("$TOOLS/vorbexia-sim" --demo "$DEMO" | tail -1)
[ "$played" = "$simulated" ] || fail "replay '$played' differs from simulation '$simulated'"
echo "ok: settings, W, mouse ($turns turns), pause, F12, F1, Alt+Enter; $played"
