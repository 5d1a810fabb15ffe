# Helpers for the Windows end-to-end tests: the cross-built game under Wine
# on its own Xvfb. Builds on tests/e2e/lib.sh; source it and begin with
# start_and_answer, start_windowed_wine or start_wine_xvfb. Wine takes only
# real key events (XTEST), so keys go to the focused window instead of being
# sent to a window.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
WINE_RUN="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine-run.sh"

# start_wine_xvfb WxHxD GAME.exe: a fresh display of that mode, and a Wine
# prefix of the test's own (copy_wine_prefix), so that the tests run side by
# side, each with its own Wine server.
start_wine_xvfb() {
  copy_wine_prefix "$(cd "$(dirname "$2")" && pwd)/wineprefix-e2e"
  start_xvfb "$1"
}

# copy_wine_prefix TEMPLATE: sets VORBEXIA_WINEPREFIX to a new prefix in the
# test's folder, a copy of TEMPLATE, which the first test makes (wineboot
# costs seconds of CPU; a copy a fraction of one). The 630 MB of built-in
# DLLs in system32, which Wine writes only when it updates a prefix to a new
# version of itself, are hard links; the rest (the registry, which Wine
# rewrites in place, and the user folders) is copied outright.
copy_wine_prefix() {
  local template=$1 own=$E2E_TMP/wineprefix
  (
    flock 9
    if [ ! -f "$template/.vorbexia-template" ]; then
      rm -rf "$template"
      VORBEXIA_WINEPREFIX=$template "$WINE_RUN" cmd /c exit >/dev/null 2>&1
      # The server writes the registry out as it ends.
      WINEPREFIX=$template wineserver -w
      [ -f "$template/system.reg" ] && touch "$template/.vorbexia-template"
    fi
  ) 9>"$template.made.lock"
  [ -f "$template/.vorbexia-template" ] || fail "no Wine prefix in $template"
  mkdir -p "$own/drive_c/windows"
  tar -C "$template" --exclude=./drive_c/windows/system32 --exclude=./.vorbexia-template \
      -cf - . | tar -C "$own" -xf - || fail "the Wine prefix was not copied"
  cp -al "$template/drive_c/windows/system32" "$own/drive_c/windows/" ||
    fail "the Wine prefix's system32 was not linked"
  export VORBEXIA_WINEPREFIX=$own
}

# Ends every Wine process of the prefix (the game, its desktop process and
# the server) before the display goes.
wine_cleanup() {
  [ "$BASHPID" = "$MAIN_PID" ] || return 0
  [ -n "${VORBEXIA_WINEPREFIX:-}" ] && { WINEPREFIX=$VORBEXIA_WINEPREFIX wineserver -k 2>/dev/null || true; }
  cleanup
}
trap wine_cleanup EXIT

# start_game GAME.exe [ARGS...]: the game under Wine in the current folder.
start_game() {
  "$WINE_RUN" "$@" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" &
  GAME_PID=$!
}

# start_and_answer WxHxD GAME.exe KEY: the game under Wine on a fresh display
# of that mode, KEY to the mode question (y or Return: Tak, n: Nie).
start_and_answer() {
  start_wine_xvfb "$1" "$2"
  start_game "$2"
  answer_box "Wybor trybu" "$3"
}

# wine_key ID KEY...: gives window ID the focus, then types the keys.
wine_key() {
  local id=$1
  shift
  x_try xdotool windowfocus "$id"
  sleep 0.1
  x_try xdotool key "$@"
}

# answer_box CAPTION KEY: answers the box with that caption (y or Return:
# Yes/OK, n: No). A box still being drawn may miss the key, so it is sent
# again, but only after the box had two seconds to go: a key sent twice
# would answer the next box too.
answer_box() {
  local id tries waited
  id=$(wait_window "$1" 30)
  for tries in 1 2 3 4 5; do
    sleep 0.3
    [ "$(window_id "$1")" = "$id" ] || return 0
    x_try xdotool windowfocus "$id" || continue
    sleep 0.1
    [ "$(window_id "$1")" = "$id" ] || return 0
    x_try xdotool key "$2"
    for waited in $(seq 20); do
      sleep 0.1
      [ "$(window_id "$1")" = "$id" ] || return 0
    done
  done
  fail "the box \"$1\" did not take $2"
}

# press KEY [SECONDS]: holds the key in the game window (0.2 s by default).
press() {
  local id
  id=$(wait_window "Vorbexia" 20)
  x_try xdotool windowfocus "$id"
  sleep 0.1
  x_try xdotool keydown "$1"
  sleep "${2:-0.2}"
  xdotool keyup "$1" 2>>"$E2E_TMP/x_clients.log"  # the game may be gone
}

# start_windowed_wine GAME.exe: "n" to the mode question, the game window up
# for a second.
start_windowed_wine() {
  start_and_answer 1024x768x24 "$1" n
  wait_window "Vorbexia" 30 >/dev/null
  sleep 1
}

# window_geometry NAME: "WxH+X+Y" of the window titled NAME, as on screen.
window_geometry() {
  local info
  info=$(x_try xwininfo -id "$(wait_window "$1" 20)") || fail "no geometry of \"$1\""
  awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
       /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF }
       END { print w "x" h "+" x "+" y }' <<<"$info"
}

# expect_lit_maze FILE GEOMETRY: the frame there is lit and textured, not
# black, not one flat colour.
expect_lit_maze() {
  local brightness colours
  brightness=$(mean_brightness "$1" "$2")
  colours=$(convert "$1" -crop "$2" +repage -format '%k' info:)
  [ "$brightness" -ge 15 ] && [ "$brightness" -le 200 ] ||
    fail "mean brightness $brightness of the frame"
  [ "$colours" -ge 1000 ] || fail "only $colours colours in the frame"
}

# start_own_home_xvfb WxHxD GAME.exe: start_wine_xvfb, with the prefix's
# user folders (Pictures...) linked to a new $HOME: for a test that leaves
# the player's files. Sets WINE_USER_DIR.
start_own_home_xvfb() {
  start_wine_xvfb "$1" "$2"
  export HOME=$E2E_TMP/home
  mkdir -p "$HOME"
  WINE_USER_DIR=$VORBEXIA_WINEPREFIX/drive_c/users/$(id -un)
  [ -d "$WINE_USER_DIR/AppData/Roaming" ] || fail "no AppData in $WINE_USER_DIR"
  # Wine links these to the home of whoever made the prefix.
  local folder
  for folder in "$WINE_USER_DIR"/*; do
    [ -L "$folder" ] && ln -sfn "$HOME" "$folder"
  done
  return 0
}
