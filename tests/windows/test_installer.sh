#!/usr/bin/env bash
# Under Wine: the installer built by tools/build-windows beside GAME.exe
# (vorbexia-<version>-setup.exe) installs silently (/S) the staged game,
# pictures and readmes into C:\Program Files\Vorbexia, its uninstaller,
# a Start-menu shortcut that starts the game in that folder and the
# uninstall entry in the 64-bit registry. Installed again into another
# folder, the game leaves the first one. The game started as the shortcut
# starts it draws the lit maze and ends with 0 on Esc; while it runs, the
# uninstaller and the installer end with 2 and change nothing. The silent
# uninstall then leaves no file, shortcut, folder or registry key of ours.
# Page by page, in Polish, the last page's "run" starts the game. In
# English (/LANG=en) the game's settings file says so, unless the player
# has one, which stays as it was.
source "$(dirname "$0")/lib.sh"
GAME=$1

build=$(cd "$(dirname "$GAME")" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"
SETUP=$build/vorbexia-$version-setup.exe
STAGE=$build/package/vorbexia
[ -f "$SETUP" ] && [ -d "$STAGE" ] || fail "no $SETUP or $STAGE: run tools/build-windows"
[ "$GAME" -nt "$SETUP" ] && fail "$SETUP is older than $GAME: run tools/build-windows"

INSTALL_DIR='C:\Program Files\Vorbexia'
OTHER_DIR='C:\Games\Vorbexia'
LINK='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Vorbexia.lnk'
KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorbexia'

start_wine_xvfb 1024x768x24 "$GAME"
prefix=$VORBEXIA_WINEPREFIX
win() { "$WINE_RUN" "$@"; }
# unix_path WINDOWS-PATH: where it is in the prefix.
unix_path() { win winepath -u "$1" | tr -d '\r'; }

# reg_values [/reg:64|/reg:32]: "NAME TYPE VALUE" of our uninstall key, one a
# line; fails when there is no such key.
reg_values() {
  local out
  out=$(win reg query "$KEY" "$@" 2>/dev/null) || return 1
  tr -d '\r' <<<"$out" | sed -n 's/^    \([^ ]*\)    \(REG_[A-Z_]*\)    \(.*\)$/\1 \2 \3/p'
}

# reg_value NAME: the value of NAME in our key (64-bit view).
reg_value() {
  reg_values /reg:64 | awk -v name="$1" '$1 == name { sub(/^[^ ]* [^ ]* /, ""); print; exit }'
}

# link_paths FILE.lnk: the shortcut's target (its local path) and its working
# folder, one a line, read from the shell link format: a 76-byte header with
# the flags at 20, the item list, the link info (its local base path at the
# offset at 16 in it), then the strings that the flags say are there, each a
# 16-bit count and that many characters (16-bit ones with IsUnicode).
link_paths() {
  local -a b
  read -r -a b <<<"$(od -An -v -tu1 "$1" | tr -s ' \n' '  ')"
  [ "${#b[@]}" -ge 76 ] && [ "${b[0]}" = 76 ] || { echo "not a shell link: $1" >&2; return 1; }
  u16() { echo $(( b[$1] | b[$1 + 1] << 8 )); }
  u32() { echo $(( $(u16 "$1") | $(u16 $(($1 + 2))) << 16 )); }
  local flags pos target="" work="" at text count i unit
  flags=$(u32 20)
  pos=76
  (( flags & 0x1 )) && pos=$((pos + 2 + $(u16 $pos)))
  if (( flags & 0x2 )); then
    if (( $(u32 $((pos + 8))) & 0x1 )); then  # VolumeIDAndLocalBasePath
      at=$((pos + $(u32 $((pos + 16)))))
      while [ "${b[at]}" != 0 ]; do
        target+=$(printf "\\$(printf %03o "${b[at]}")")
        at=$((at + 1))
      done
    fi
    pos=$((pos + $(u32 $pos)))
  fi
  unit=1
  (( flags & 0x80 )) && unit=2
  for flag in 0x4 0x8 0x10; do  # name, relative path, working folder
    (( flags & flag )) || continue
    count=$(u16 $pos)
    pos=$((pos + 2))
    text=""
    for ((i = 0; i < count; i++)); do
      at=$((pos + i * unit))
      [ "${b[at]}" = 0 ] && break
      (( unit == 2 && b[at + 1] != 0 )) && { echo "non-ASCII path in $1" >&2; return 1; }
      text+=$(printf "\\$(printf %03o "${b[at]}")")
    done
    pos=$((pos + count * unit))
    (( flag == 0x10 )) && work=$text
  done
  printf '%s\n%s\n' "$target" "$work"
}

# The English install's settings, which would make the other tests' game
# speak English.
SETTINGS_DIR=$prefix/drive_c/users/$(id -un)/AppData/Roaming/Vorbexia
trap 'rm -rf "$SETTINGS_DIR"; wine_cleanup' EXIT

# What an earlier run that failed half-way may have left.
forget_install() {
  win reg delete "$KEY" /f /reg:64 >/dev/null 2>&1
  rm -rf "$(unix_path "$INSTALL_DIR")" "$(unix_path "$OTHER_DIR")" "$(unix_path "$LINK")" \
         "$SETTINGS_DIR"
}
forget_install

# The silent install.
timeout 120 "$WINE_RUN" "$SETUP" /S || fail "the silent install ended with $?"
install=$(unix_path "$INSTALL_DIR")
[ -d "$install" ] || fail "no $INSTALL_DIR after the install"
expected=$( (cd "$STAGE" && find . -type f; echo ./uninstall.exe) | sort)
installed=$(cd "$install" && find . -type f | sort)
[ "$installed" = "$expected" ] || fail "installed files: $(echo $installed), expected $(echo $expected)"
for file in $(cd "$STAGE" && find . -type f); do
  cmp -s "$STAGE/$file" "$install/$file" || fail "$file differs from the staged one"
done

reg_values /reg:64 >/dev/null || fail "no key $KEY in the 64-bit registry"
reg_values /reg:32 >/dev/null && fail "the key $KEY is in the 32-bit registry too"
check_value() {
  local value
  value=$(reg_value "$1")
  [ "$value" = "$2" ] || fail "$1 is \"$value\", expected \"$2\""
}
check_value DisplayName Vorbexia
check_value DisplayVersion "$version"
check_value Publisher "The Vorbexia developers"
check_value DisplayIcon "$INSTALL_DIR\\vorbexia.exe,0"
check_value UninstallString "\"$INSTALL_DIR\\uninstall.exe\""
check_value NoModify 0x1
check_value NoRepair 0x1

link=$(unix_path "$LINK")
[ -f "$link" ] || fail "no shortcut $LINK"
mapfile -t paths < <(link_paths "$link")
[ "${paths[0]:-}" = "$INSTALL_DIR\\vorbexia.exe" ] || fail "the shortcut starts \"${paths[0]:-}\""
[ "${paths[1]:-}" = "$INSTALL_DIR" ] || fail "the shortcut starts in \"${paths[1]:-}\""

# Installed again into another folder, the game is there alone.
timeout 120 "$WINE_RUN" "$SETUP" /S "/D=$OTHER_DIR" || fail "the install into $OTHER_DIR ended with $?"
[ -e "$install" ] && fail "$INSTALL_DIR outlived the install into $OTHER_DIR"
install=$(unix_path "$OTHER_DIR")
check_value InstallLocation "$OTHER_DIR"
mapfile -t paths < <(link_paths "$link")
[ "${paths[*]}" = "$OTHER_DIR\\vorbexia.exe $OTHER_DIR" ] || fail "the shortcut is for \"${paths[*]}\""

# The game as the shortcut starts it: the installed exe in its working
# folder. The box log is named for Windows, as a path from / would be on C:.
box_log=$VORBEXIA_BOX_LOG
VORBEXIA_BOX_LOG=$(win winepath -w "$box_log" | tr -d '\r')
cd "$(unix_path "${paths[1]}")" || fail "cannot enter the shortcut's folder"
start_game "${paths[0]}"
VORBEXIA_BOX_LOG=$box_log
answer_box "Wybor trybu" n
wait_window "Vorbexia" 30 >/dev/null
sleep 1
view=$(window_geometry Vorbexia)
[ "${view%%+*}" = 800x600 ] || fail "client area $view, expected 800x600"
screenshot "$E2E_TMP/installed.png"
brightness=$(mean_brightness "$E2E_TMP/installed.png" "$view")
colours=$(convert "$E2E_TMP/installed.png" -crop "$view" +repage -format '%k' info:)
expect_lit_maze "$E2E_TMP/installed.png" "$view"
[ -n "${E2E_SHOT:-}" ] && convert "$E2E_TMP/installed.png" -crop "$view" +repage "$E2E_SHOT"
# Neither removes nor writes a file beside the running game (_?= keeps the
# uninstaller in place, where its exit code is seen).
find "$install" -type f -exec touch -d @1000000000 {} +
timeout 60 "$WINE_RUN" "$OTHER_DIR\\uninstall.exe" /S "_?=$OTHER_DIR"; code=$?
[ $code = 2 ] || fail "the uninstall beside the running game ended with $code"
timeout 120 "$WINE_RUN" "$SETUP" /S; code=$?
[ $code = 2 ] || fail "the install over the running game ended with $code"
[ "$(cd "$install" && find . -type f ! -newermt @1000000001 | sort)" = "$expected" ] &&
  [ -e "$link" ] && reg_values /reg:64 >/dev/null || fail "the running game's install was changed"
press Escape
expect_exit_code 0 20
expect_box_logged "Wybor trybu: Wcisnij TAK na FULLSCREEN, NIE na WINDOW-MODE"
cd "$E2E_TMP" || fail "cannot leave the install folder"

# The silent uninstall. The uninstaller copies itself to the temporary
# folder, starts the copy and returns at once: the folder going away shows
# the copy at work, and the Wine server's end that every program is done.
timeout 60 "$WINE_RUN" "$OTHER_DIR\\uninstall.exe" /S || fail "the silent uninstall ended with $?"
deadline=$((SECONDS + 60))
while [ -e "$install" ]; do
  [ $SECONDS -ge $deadline ] && fail "$OTHER_DIR still there a minute after the uninstall: $(cd "$install" && find .)"
  sleep 0.2
done
WINEPREFIX=$prefix timeout 60 wineserver -w || fail "Wine's programs did not end after the uninstall"
[ -e "$link" ] && fail "the shortcut outlived the uninstall"
left=$(find "$prefix/drive_c" -iname '*vorbexia*')
[ -z "$left" ] || fail "left after the uninstall: $left"
reg_values /reg:64 >/dev/null && fail "the key $KEY outlived the uninstall"

# Installed page by page: Next, Install, and Finish on the last page, whose
# "Run Vorbexia" is ticked, starts the installed game in its folder (the
# lit maze shows that it found textures\ there). The game runs on after the
# installer has ended: a stand-in process is what the waits below watch.
: >"$box_log"
VORBEXIA_BOX_LOG=$(win winepath -w "$box_log" | tr -d '\r')
start_game "$SETUP" "/D=$OTHER_DIR"
VORBEXIA_BOX_LOG=$box_log
answer_box "Jezyk / Language" Return  # Polish, chosen at first
setup=$(wait_window "Instalator Vorbexia" 60)
wine_key "$setup" Return  # the welcome page's Next
sleep 2
wine_key "$setup" Return  # the folder page's Install
deadline=$((SECONDS + 60))
until [ "$(reg_value InstallLocation)" = "$OTHER_DIR" ]; do
  [ $SECONDS -ge $deadline ] && fail "no install by hand within a minute"
  sleep 0.5
done
sleep 3  # the files page gives way to the last page
wine_key "$setup" Return  # Finish
wait "$GAME_PID" || fail "the installer ended with $?"
sleep 600 &
GAME_PID=$!
answer_box "Wybor trybu" n
wait_window "Vorbexia" 30 >/dev/null
sleep 1
view=$(window_geometry Vorbexia)
screenshot "$E2E_TMP/finish-run.png"
expect_lit_maze "$E2E_TMP/finish-run.png" "$view"
press Escape
wait_no_window "Vorbexia" 20
expect_box_logged "Wybor trybu: Wcisnij TAK na FULLSCREEN, NIE na WINDOW-MODE"
timeout 60 "$WINE_RUN" "$OTHER_DIR\\uninstall.exe" /S "_?=$OTHER_DIR" || fail "the uninstall after the run ended with $?"
rm -rf "$install"
WINEPREFIX=$prefix timeout 60 wineserver -w || fail "Wine's programs did not end after the run"

# In English: the settings file is written only where there is none.
timeout 60 "$WINE_RUN" "$SETUP" /S /LANG=de; code=$?
[ $code = 2 ] && [ ! -e "$install" ] || fail "the install with /LANG=de ended with $code"
timeout 120 "$WINE_RUN" "$SETUP" /S /LANG=en "/D=$OTHER_DIR" || fail "the English install ended with $?"
cmp -s "$STAGE/README-en.txt" "$install/README-en.txt" || fail "no English readme in $OTHER_DIR"
[ "$(reg_value Language)" = 1033 ] || fail "the uninstaller's language is \"$(reg_value Language)\""
grep -qx $'language = en *# chosen in the installer\r' "$SETTINGS_DIR/vorbexia.conf" ||
  fail "the English install's settings: $(cat "$SETTINGS_DIR/vorbexia.conf")"
printf 'volume = 50\r\n' >"$SETTINGS_DIR/vorbexia.conf"
timeout 120 "$WINE_RUN" "$SETUP" /S /LANG=en "/D=$OTHER_DIR" || fail "the English reinstall ended with $?"
[ "$(cat "$SETTINGS_DIR/vorbexia.conf")" = $'volume = 50\r' ] || fail "the player's settings were changed"
timeout 60 "$WINE_RUN" "$OTHER_DIR\\uninstall.exe" /S "_?=$OTHER_DIR" || fail "the English uninstall ended with $?"
rm -rf "$install"
WINEPREFIX=$prefix timeout 60 wineserver -w || fail "Wine's programs did not end after the English install"

echo "ok: installer $version under Wine: silent install, files, shortcut and 64-bit key;" \
     "a second folder replaces the first; the installed game's lit maze (brightness $brightness," \
     "$colours colours), Esc ends with 0; no uninstall or install beside it running;" \
     "silent uninstall leaves nothing; the last page's Run Vorbexia starts the game in its folder;" \
     "/LANG=en: the English readme, and language = en only where the player has no settings"
