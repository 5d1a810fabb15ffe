#!/usr/bin/env bash
# Under Wine: the game window minimised through its system menu's command
# and restored draws the lit maze again at 800 x 600; the menu's Close ends
# the game with 0. ($WINCTL: the winctl.exe of this build.)
source "$(dirname "$0")/lib.sh"
GAME=$1
: "${WINCTL:=$(dirname "$GAME")/tests/winctl.exe}"

# Its answers end in "\r\n", as Windows writes text.
winctl() { "$WINE_RUN" "$WINCTL" "$@" 2>>"$E2E_TMP/stderr" | tr -d "\r"; }

start_windowed_wine "$GAME"
winctl minimise || fail "no game window to minimise"
sleep 1
[ "$(winctl state)" = minimised ] || fail "the window did not minimise"
kill -0 "$GAME_PID" || fail "the game ended while minimised"
winctl restore
sleep 1
[ "$(winctl state)" = shown ] || fail "the window did not come back"
view=$(window_geometry Vorbexia)
[ "${view%%+*}" = 800x600 ] || fail "client area $view after the restore"
screenshot "$E2E_TMP/restored.png"
expect_lit_maze "$E2E_TMP/restored.png" "$view"
winctl close
expect_exit_code 0 20
[ -z "$(window_id Vorbexia)" ] || fail "the window outlived the game"
echo "ok: minimised and restored, the maze drawn again; Close ends with 0"
