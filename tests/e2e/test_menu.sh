#!/usr/bin/env bash
# The menu in the game, under a window manager, with a settings file of the
# player's (a comment of theirs, start = window): P opens it; the mouse
# chooses OPCJE, Left turns the volume down three steps, a right click goes
# back; the mouse chooses KLAWISZE and fire takes Up from walk (E2E_SHOT=FILE
# keeps a picture of that screen). Esc, Esc: the game plays on and the
# settings file holds the volume and the keys, the comment still there. F12
# names its PNG on the screen, and about two seconds later the name is gone.
# The recording shows Space no longer firing and Up firing instead of
# walking. Then with language = en: the mode question and the menu in
# English (E2E_SHOT_EN=FILE keeps the menu).
source "$(dirname "$0")/lib.sh"
GAME=$1
SETTINGS=$XDG_CONFIG_HOME/vorbexia/vorbexia.conf
mkdir -p "${SETTINGS%/*}"
printf '# my own line\nstart = window\n' >"$SETTINGS"
DEMO=$E2E_TMP/menu.demo

start_xvfb 1024x768x24
start_window_manager
start_game "$GAME" --seed 5 --record "$DEMO"
id=$(wait_window Vorbexia 20)

look() { x_try import -window "$id" "$E2E_TMP/$1.png"; }  # false while not yet shown
shot() { look "$1" || fail "no screenshot $1"; }
differing() { compare -metric AE "$E2E_TMP/$1.png" "$E2E_TMP/$2.png" null: 2>&1; }
# True once the window shows a picture other than before.png that stands
# still (the menu holds the world still) across two looks.
new_and_still() {
  shot now
  if [ -f "$E2E_TMP/last.png" ] && [ "$(differing now last)" = 0 ] &&
     [ "$(differing now before)" != 0 ]; then
    return 0
  fi
  mv "$E2E_TMP/now.png" "$E2E_TMP/last.png"
  return 1
}
# after COMMAND...: runs it and waits for the new picture it brings.
after() {
  shot before
  rm -f "$E2E_TMP/last.png"
  "$@"
  wait_until 10 "a new picture after '$*'" new_and_still
}
# click LINE BUTTON: the pointer on the top screen's line (0 the title,
# lines 30 pixels apart at 3-pixel cells), then the button.
click() { x_try xdotool mousemove --window "$id" 400 $((224 + 30 * $1)) click "$2"; }
moving() { look a && look b && [ "$(differing a b)" != 0 ]; }

wait_until 20 "the game's picture" look a
after press p 0.1
after click 2 1                                   # OPCJE
for _ in 1 2 3; do after press Left 0.1; done     # the volume: 100 -> 70
after click 0 3                                   # back to the top
after click 3 1                                   # KLAWISZE
for _ in 1 2 3 4; do after press Down 0.1; done   # STRZAL
after press Return 0.1
after press Up 0.1
[ -n "${E2E_SHOT:-}" ] && cp "$E2E_TMP/now.png" "$E2E_SHOT"
press Escape 0.1; press Escape 0.1

saved() { grep -q '^fire = Up' "$SETTINGS"; }
wait_until 10 "the menu's settings in the file" saved
saved=$(cat "$SETTINGS")
grep -qx '# my own line' <<<"$saved" && grep -qx 'volume = 70' <<<"$saved" &&
  grep -qx 'start = window' <<<"$saved" || fail "the saved settings: $saved"
grep -qx 'walk = no key' <<<"$saved" || fail "walk keeps a key in the saved settings: $saved"

# The name of the picture over the gun, which stands still while the player
# does: not in the picture saved, on the screen at once, gone about 2 s on.
press F12 0.1
written() { grep -q 'screenshot ' "$E2E_TMP/stderr"; }
wait_until 5 "the screenshot's name on standard error" written
shot noted
noted_at=$SECONDS
png=$(sed -n 's/^vorbexia: screenshot //p' "$E2E_TMP/stderr")
[ -f "$png" ] || fail "no screenshot written: $(cat "$E2E_TMP/stderr")"
band() { convert "$1" -crop 300x20+250+564 +repage "$E2E_TMP/$2.png"; }
band "$png" saved_band; band "$E2E_TMP/noted.png" noted_band
[ "$(differing saved_band noted_band)" -gt 500 ] || fail "no note of the screenshot on the screen"
note_gone() { shot later; band "$E2E_TMP/later.png" later_band; [ "$(differing saved_band later_band)" = 0 ]; }
wait_until 6 "the note gone" note_gone
[ $((SECONDS - noted_at)) -ge 1 ] || fail "the note went within a second"

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

# In English: the mode question, then the menu.
printf 'language = en\n' >"$SETTINGS"
start_game "$GAME" --seed 5
wait_window "Choose the mode" 20 >/dev/null
expect_box_logged "Choose the mode: Press YES for FULLSCREEN, NO for WINDOW-MODE"
answer_box "Choose the mode" Escape
id=$(wait_window Vorbexia 20)
wait_until 20 "the game's picture" look a
after press p 0.1
[ -n "${E2E_SHOT_EN:-}" ] && cp "$E2E_TMP/now.png" "$E2E_SHOT_EN"
press Escape 0.1; press Escape
expect_exit_code 0 20
echo "ok: the menu by mouse and keys, saved beside the player's comment; Up fires, Space not; the screenshot's note; English"
