#!/usr/bin/env bash
# Under Wine, the menu by its keys, with a settings file of the player's
# (a comment of theirs, start = window): P opens it; in the options Left
# turns the volume down three steps; on the keys screen fire takes Up from
# walk (E2E_SHOT=FILE keeps a picture of that screen). Esc, Esc: the game
# plays on, and the settings file holds the volume and the keys, the
# player's comment still there. The recording of the game then shows Space
# no longer firing and Up firing instead of walking; Esc ends it with 0.
source "$(dirname "$0")/lib.sh"
GAME=$1

start_own_home_xvfb 1024x768x24 "$GAME"
SETTINGS=$WINE_USER_DIR/AppData/Roaming/Vorbexia/vorbexia.conf
mkdir -p "${SETTINGS%/*}"
printf '# my own line\r\nstart = window\r\n' >"$SETTINGS"
DEMO=$E2E_TMP/menu.demo
start_game "$GAME" --seed 5 --record "$DEMO"
id=$(wait_window Vorbexia 30)
sleep 1
view=$(window_geometry Vorbexia)

# changed_and_still BEFORE.png: waits until the picture is not BEFORE and
# stands still, as it does while the menu is up; the picture in SHOWN.
SHOWN=$E2E_TMP/shown.png
changed_and_still() {
  local deadline=$((SECONDS + 10)) last="" now
  while [ $SECONDS -lt $deadline ]; do
    screenshot "$SHOWN"
    now=$(convert "$SHOWN" -crop "$view" +repage -format '%#' info:)
    [ "$now" = "$last" ] && [ "$now" != "$(convert "$1" -crop "$view" +repage -format '%#' info:)" ] &&
      return 0
    last=$now
    sleep 0.3
  done
  fail "the picture did not settle into a new one"
}

screenshot "$E2E_TMP/playing.png"
wine_key "$id" p
changed_and_still "$E2E_TMP/playing.png"
cp "$SHOWN" "$E2E_TMP/menu.png"
# OPCJE, the volume down by three; back, KLAWISZE, STRZAL (the fifth), Up.
wine_key "$id" --delay 120 Down Return Left Left Left Escape Down Return Down Down Down Down Return Up
changed_and_still "$E2E_TMP/menu.png"
[ -n "${E2E_SHOT:-}" ] && convert "$SHOWN" -crop "$view" +repage "$E2E_SHOT"
wine_key "$id" --delay 120 Escape Escape

saved() { grep -q '^fire = Up' "$SETTINGS"; }
wait_until 10 "the menu's settings in the file" saved
saved=$(tr -d '\r' <"$SETTINGS")
grep -qx '# my own line' <<<"$saved" && grep -qx 'volume = 70' <<<"$saved" &&
  grep -qx 'start = window' <<<"$saved" || fail "the saved settings: $saved"
grep -qx 'walk = no key' <<<"$saved" || fail "walk keeps a key in the saved settings: $saved"

# The recording grows a frame at a time: Space's frames, then Up's.
frames() { wc -l <"$DEMO.part"; }
grown_past() { [ "$(frames)" -gt "$1" ]; }
press space 0.3
wait_until 5 "frames after Space" grown_past $(($(frames) + 2))
space_frames=$(frames)
press Up 0.3
wait_until 5 "frames after Up" grown_past $(($(frames) + 2))
press Escape
expect_exit_code 0 20
head -n "$space_frames" "$DEMO" | grep -q S && fail "Space still fires"
tail -n +"$((space_frames + 1))" "$DEMO" | grep -q S || fail "Up does not fire"
grep -q U "$DEMO" && fail "Up still walks"
[ ! -s "$VORBEXIA_BOX_LOG" ] || fail "boxes: $(cat "$VORBEXIA_BOX_LOG")"
echo "ok: under Wine the menu's volume and keys, saved beside the player's comment; Up fires, Space not"
