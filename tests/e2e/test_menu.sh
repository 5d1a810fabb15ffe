#!/usr/bin/env bash
# The menu in the game, under a window manager, with a settings file of the
# player's (a comment of theirs, start = window): P opens it; the mouse
# chooses OPCJE, Left turns the volume down three steps, a right click goes
# back; the mouse chooses KLAWISZE and fire takes Up from walk (E2E_SHOT=FILE
# keeps a picture of that screen). Esc, Esc: the game plays on and the
# settings file holds the volume and the keys, the comment still there. F12
# names its PNG on the screen, and two seconds later the name is gone. The
# recording shows Space no longer firing and Up firing instead of walking.
# Then with language = en: the mode question and the menu in English
# (E2E_SHOT_EN=FILE keeps the menu).
source "$(dirname "$0")/lib.sh"
GAME=$1
SETTINGS=$XDG_CONFIG_HOME/vorbexia/vorbexia.conf
mkdir -p "${SETTINGS%/*}"
printf '# my own line\nstart = window\n' >"$SETTINGS"
DEMO=$E2E_TMP/menu.demo

start_xvfb 1024x768x24
openbox >/dev/null 2>&1 &
start_game "$GAME" --seed 5 --record "$DEMO"
id=$(wait_window Vorbexia 20)
sleep 1

shot() { x_try import -window "$id" "$E2E_TMP/$1.png" || fail "no screenshot $1"; }
# click LINE BUTTON: the pointer on the top screen's line (0 the title,
# lines 30 pixels apart at 3-pixel cells), then the button.
click() {
  x_try xdotool mousemove --window "$id" 400 $((224 + 30 * $1)) click "$2"
  sleep 0.3
}

press p 0.1; sleep 0.3
click 2 1                                  # OPCJE
for _ in 1 2 3; do press Left 0.1; done    # the volume: 100 -> 70
click 0 3                                  # back to the top
click 3 1                                  # KLAWISZE
for _ in 1 2 3 4; do press Down 0.1; done  # STRZAL
press Return 0.1; press Up 0.1; sleep 0.3
shot keys
[ -n "${E2E_SHOT:-}" ] && cp "$E2E_TMP/keys.png" "$E2E_SHOT"
press Escape 0.1; press Escape 0.1

deadline=$((SECONDS + 10))
until grep -q '^fire = Up' "$SETTINGS"; do
  [ $SECONDS -ge $deadline ] && fail "the menu saved no settings: $(cat "$SETTINGS")"
  sleep 0.2
done
saved=$(cat "$SETTINGS")
grep -qx '# my own line' <<<"$saved" && grep -qx 'volume = 70' <<<"$saved" &&
  grep -qx 'start = window' <<<"$saved" || fail "the saved settings: $saved"
grep -qx 'walk = no key' <<<"$saved" || fail "walk keeps a key in the saved settings: $saved"

# The name of the picture over the gun, which stands still while the player
# does: not in the picture saved, on the screen at once, gone after 2 s.
press F12 0.1
for _ in $(seq 50); do grep -q 'screenshot ' "$E2E_TMP/stderr" && break; sleep 0.1; done
shot noted
png=$(sed -n 's/^vorbexia: screenshot //p' "$E2E_TMP/stderr")
[ -f "$png" ] || fail "no screenshot written: $(cat "$E2E_TMP/stderr")"
band() { convert "$1" -crop 300x20+250+564 +repage "$E2E_TMP/$2.png"; }
differing() { compare -metric AE "$E2E_TMP/$1.png" "$E2E_TMP/$2.png" null: 2>&1; }
band "$png" saved_band; band "$E2E_TMP/noted.png" noted_band
[ "$(differing saved_band noted_band)" -gt 500 ] || fail "no note of the screenshot on the screen"
sleep 2.5
shot later; band "$E2E_TMP/later.png" later_band
[ "$(differing saved_band later_band)" = 0 ] || fail "the note is still there after 2.5 s"

# The recording grows a frame at a time: Space's frames, then Up's.
press space 0.3; sleep 0.3
space_frames=$(wc -l <"$DEMO.part")
press Up 0.3; sleep 0.3
press Escape
expect_exit_code 0 20
head -n "$space_frames" "$DEMO" | grep -q S && fail "Space still fires"
tail -n +"$((space_frames + 1))" "$DEMO" | grep -q S || fail "Up does not fire"
grep -q U "$DEMO" && fail "Up still walks"
[ ! -s "$VORBEXIA_BOX_LOG" ] || fail "boxes: $(cat "$VORBEXIA_BOX_LOG")"

# In English: the mode question, then the menu.
printf 'language = en\n' >"$SETTINGS"
start_game "$GAME" --seed 5
wait_window "Choose the mode" 20 >/dev/null
expect_box_logged "Choose the mode: Press YES for FULLSCREEN, NO for WINDOW-MODE"
answer_box "Choose the mode" Escape
id=$(wait_window Vorbexia 20)
sleep 0.5
press p 0.1; sleep 0.3
shot english
[ -n "${E2E_SHOT_EN:-}" ] && cp "$E2E_TMP/english.png" "$E2E_SHOT_EN"
press Escape 0.1; press Escape
expect_exit_code 0 20
echo "ok: the menu by mouse and keys, saved beside the player's comment; Up fires, Space not; the screenshot's note; English"
