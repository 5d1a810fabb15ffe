#!/usr/bin/env bash
# Under Wine: a second copy started while the first runs gets its own mode
# question and window; Esc in each window ends that copy with 0.
source "$(dirname "$0")/lib.sh"
GAME=$1

# game_windows: the ids of every window titled "Vorbexia".
game_windows() {
  x_try xwininfo -root -tree | awk 'index($0, "\"Vorbexia\":") { print $1 }'
}

start_windowed_wine "$GAME"
FIRST_PID=$GAME_PID
start_game "$GAME"
answer_box "Wybor trybu" n
deadline=$((SECONDS + 30))
until [ "$(game_windows | wc -l)" -eq 2 ]; do
  [ $SECONDS -lt $deadline ] || fail "no second game window"
  sleep 0.2
done
kill -0 "$FIRST_PID" || fail "the first copy ended"
# escape_in ID: Esc in that window (raised first: the two lie one on the
# other), again until the window is gone.
escape_in() {
  local tries waited
  for tries in 1 2 3 4 5; do
    x_try xdotool windowraise "$1"
    x_try xdotool windowfocus "$1"
    sleep 0.2
    x_try xdotool keydown Escape
    sleep 0.3
    x_try xdotool keyup Escape
    for waited in $(seq 20); do
      game_windows | grep -qx "$1" || return 0
      sleep 0.1
    done
  done
  fail "window $1 did not take Esc"
}

for id in $(game_windows); do
  escape_in "$id"
done
expect_exit_code 0 20
GAME_PID=$FIRST_PID
expect_exit_code 0 20
[ -z "$(game_windows)" ] || fail "a game window was left"
echo "ok: two copies side by side, each ended by Esc with 0"
