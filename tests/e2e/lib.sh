# Helpers for end-to-end tests: the real program on its own Xvfb display,
# driven with xdotool and looked at with screenshots.
# Source it; every function fails the test loudly with `fail`.

set -u
export LANG=C.UTF-8  # SDL's boxes cut non-ASCII text in other locales
# The game's sounds go nowhere unless a test asks for them.
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
# Under the sanitizers the whole program loads and unloads the system's GL
# driver, whose allocations then show as leaks in an unknown module that no
# suppression can name. Memory errors and undefined behaviour still fail the
# run; leaks of our own code are caught by the unit tests.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

E2E_TMP=$(mktemp -d)
# The player's own settings and pictures stay out of the tests.
export XDG_CONFIG_HOME="$E2E_TMP/config"
export XDG_PICTURES_DIR="$E2E_TMP/pictures"
XVFB_PID=""
GAME_PID=""

# A failure inside $(...) runs in a subshell: it stops the test itself too,
# and only the test's own shell cleans up.
MAIN_PID=$BASHPID
trap 'exit 1' USR1

fail() {
  echo "FAIL: $*" >&2
  [ "$BASHPID" = "$MAIN_PID" ] || kill -USR1 "$MAIN_PID"
  exit 1
}

cleanup() {
  [ "$BASHPID" = "$MAIN_PID" ] || return 0
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  [ -n "${E2E_KEEP:-}" ] && echo "kept $E2E_TMP" >&2 || rm -rf "$E2E_TMP"
}
trap cleanup EXIT

# start_xvfb WxHxD: a fresh display of that one mode; sets DISPLAY.
start_xvfb() {
  local fifo="$E2E_TMP/displayfd"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$fifo" 2>"$E2E_TMP/xvfb.log" &
  XVFB_PID=$!
  local number
  read -r -t 20 number <"$fifo" || fail "Xvfb did not start"
  export DISPLAY=":$number"
}

# start_game BINARY [ARGS...]: runs the game in the current folder, output
# to files.
start_game() {
  "$@" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" &
  GAME_PID=$!
}

# start_and_answer WxHxD GAME KEY: the game on a fresh display of that mode,
# KEY to the mode question (Return: Tak, Escape: Nie).
start_and_answer() {
  start_xvfb "$1"
  start_game "$2"
  answer_box "Wybor trybu" "$3"
}

# run_in_texture_copy: goes to a new folder holding a copy of textures/, for a
# test that breaks or replaces one picture of its own copy.
run_in_texture_copy() {
  mkdir -p "$E2E_TMP/run/textures"
  cp textures/*.bmp "$E2E_TMP/run/textures/"
  cd "$E2E_TMP/run" || fail "no folder to run in"
}

# start_windowed GAME: the game on a fresh 1024 x 768 display, "Nie" to the
# mode question, its window up for a second.
start_windowed() {
  start_and_answer 1024x768x24 "$1" Escape
  wait_window "Vorbexia" 20 >/dev/null
  sleep 1
}

# wait_until SECONDS WHAT COMMAND...: runs COMMAND every tenth of a second
# until it succeeds; after SECONDS the test fails, saying WHAT did not come.
# For what a test can see (a window, a line in a file, a size) instead of a
# fixed sleep, which is too short under load and too long otherwise.
wait_until() {
  local seconds=$1 what=$2 deadline=$((SECONDS + $1))
  shift 2
  until "$@"; do
    [ $SECONDS -ge $deadline ] && fail "$what not within $seconds s"
    sleep 0.1
  done
  return 0
}

# start_window_manager: openbox on the display, once it manages windows (a
# window mapped while it starts may be lost between it and the server).
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
start_window_manager() {
  openbox >/dev/null 2>&1 &
  wait_until 10 "the window manager" wm_up
}

# wait_game SECONDS: waits for the game to end; sets GAME_CODE to its exit code.
GAME_CODE=""
wait_game() {
  local deadline=$((SECONDS + $1))
  while kill -0 "$GAME_PID" 2>/dev/null; do
    [ $SECONDS -ge $deadline ] && fail "the game did not end within $1 s"
    sleep 0.1
  done
  GAME_CODE=0
  wait "$GAME_PID" || GAME_CODE=$?
  GAME_PID=""
}

# expect_exit_code N SECONDS: the game ends within SECONDS with code N.
expect_exit_code() {
  wait_game "$2"
  [ "$GAME_CODE" = "$1" ] || fail "exit code $GAME_CODE, expected $1"
}

# x_try COMMAND...: runs an X client up to five times until it succeeds. The
# X server may refuse a new connection now and then (Xvfb drops a few in a
# hundred under load), and every client call opens one.
x_try() {
  local tries
  for tries in 1 2 3 4 5; do
    "$@" 2>>"$E2E_TMP/x_clients.log" && return 0
    sleep 0.05
  done
  return 1
}

# window_id NAME: the id of a window titled exactly NAME, or nothing.
# (xdotool search --name misses SDL's boxes in a UTF-8 locale.)
window_id() {
  local tree
  tree=$(x_try xwininfo -root -tree) || return 0
  awk -v name="\"$1\":" 'index($0, name) { print $1; exit }' <<<"$tree"
}

# wait_window NAME SECONDS: waits until a window titled NAME exists; prints its id.
wait_window() {
  local deadline=$((SECONDS + $2)) id
  while :; do
    id=$(window_id "$1")
    [ -n "$id" ] && { echo "$id"; return 0; }
    [ $SECONDS -ge $deadline ] && fail "no window \"$1\" within $2 s"
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before window \"$1\" appeared"
    sleep 0.1
  done
}

# wait_no_window NAME SECONDS: waits until no window titled NAME exists.
wait_no_window() {
  local deadline=$((SECONDS + $2))
  while [ -n "$(window_id "$1")" ]; do
    [ $SECONDS -ge $deadline ] && fail "window \"$1\" still there after $2 s"
    sleep 0.1
  done
}

# answer_box CAPTION KEY: answers the box with that caption (Return: Tak/OK,
# Escape: Nie). A box that is still being drawn may miss the key, so it is
# sent again until the box is gone.
answer_box() {
  local id tries
  id=$(wait_window "$1" 20)
  for tries in 1 2 3 4 5 6 7 8 9 10; do
    sleep 0.3
    xdotool key --window "$id" "$2" 2>>"$E2E_TMP/x_clients.log"
    sleep 0.2
    [ "$(window_id "$1")" = "$id" ] || return 0
  done
  fail "the box \"$1\" did not take $2"
}

# expect_reader_box_then_initgl: the reader's "Error" box over the game's
# window, then, with the window gone, the InitGL box; both answered, and the
# game ends with exit code 0.
expect_reader_box_then_initgl() {
  wait_window "Error" 20 >/dev/null
  [ -n "$(window_id Vorbexia)" ] || fail "the reader's box came without the game window"
  answer_box "Error" Return
  wait_window "ERROR" 20 >/dev/null
  [ -z "$(window_id Vorbexia)" ] || fail "the game window is still there at the InitGL box"
  answer_box "ERROR" Return
  expect_exit_code 0 20
}

# game_key keydown|keyup KEY: keyboard input to the game window.
game_key() {
  local id
  id=$(wait_window "Vorbexia" 20)
  x_try xdotool "$1" --window "$id" "$2"
}

# press KEY [SECONDS]: holds the key as a person would (0.2 s by default).
# (A tap of Space or Esc between two frames also acts once; arrows act only
# in the frames in which they are held.)
press() {
  local id
  id=$(wait_window "Vorbexia" 20)
  x_try xdotool keydown --window "$id" "$1"
  sleep "${2:-0.2}"
  # The game may be gone. xdotool sends to the focused window through XTEST,
  # which holds the key in the server until it is let go there: a key left
  # down would reach the next window to get the focus.
  xdotool keyup --window "$id" "$1" 2>>"$E2E_TMP/x_clients.log" ||
    xdotool keyup "$1" 2>>"$E2E_TMP/x_clients.log"
}

# close_window NAME: the window manager's close request (WM_DELETE_WINDOW);
# xdotool windowclose would destroy the window instead.
close_window() {
  local id
  id=$(wait_window "$1" 20)
  x_try python3 "$(dirname "${BASH_SOURCE[0]}")/wm_close.py" "$id" ||
    fail "could not send the close request"
}

# screenshot FILE: the whole screen as a PNG.
screenshot() {
  x_try import -window root "$1" || fail "screenshot failed"
}

# mean_brightness FILE [GEOMETRY]: mean grey level 0..255 of the image or a crop.
mean_brightness() {
  local crop=()
  [ $# -ge 2 ] && crop=(-crop "$2" +repage)
  convert "$1" "${crop[@]}" -colorspace Gray -format '%[fx:int(255*mean)]' info:
}

# colour_count FILE: the number of distinct colours in the image.
colour_count() {
  convert "$1" -format '%k' info:
}

# The game also writes the caption and text of every box it shows here.
export VORBEXIA_BOX_LOG="$E2E_TMP/boxes"

# expect_box_logged "CAPTION: TEXT": the game showed a box with that text.
expect_box_logged() {
  grep -qxF "$1" "$VORBEXIA_BOX_LOG" 2>/dev/null ||
    fail "no box \"$1\"; boxes: $(cat "$VORBEXIA_BOX_LOG" 2>/dev/null)"
}

# end_by_signal SIGNAL: sends SIGNAL to the game, which must end within five
# seconds and leave no process of its own behind (such as a box's).
end_by_signal() {
  local children
  children=$(ps -o pid= --ppid "$GAME_PID" | tr -d ' ')
  kill -s "$1" "$GAME_PID" || fail "could not send $1"
  wait_game 5
  local child
  for child in $children; do
    kill -0 "$child" 2>/dev/null && fail "process $child outlived the game"
  done
  return 0
}

# expect_no_window NAME...: none of these windows is on screen.
expect_no_window() {
  local name
  for name in "$@"; do
    [ -z "$(window_id "$name")" ] || fail "window \"$name\" left on screen"
  done
}

# play_short_game SECONDS: waits up to SECONDS for the game window, then
# walks, turns, fires and turns again, and leaves with Esc: exit code 0.
play_short_game() {
  wait_window "Vorbexia" "$1" >/dev/null
  sleep 0.5
  press Up 0.8
  press Left 0.4
  press space 0.1
  press Up 0.5
  press Right 0.2
  press Escape
  expect_exit_code 0 20
}
