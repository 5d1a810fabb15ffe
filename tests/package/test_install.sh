#!/usr/bin/env bash
# The Debian package end to end, as root: installs it with apt-get, plays the
# installed game from a folder without textures/ and from its menu entry
# (both show the lit maze and quit with Esc), validates the menu entry and
# the AppStream metadata, then removes the package and finds its files gone.
#
#   tests/package/test_install.sh [build/package/vorbexia_<version>_amd64.deb]
#
# Removes an installed vorbexia package at its end, whoever installed it.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/../../tools/packages.sh"
DEB=$(realpath "${1:-$(ls "$(dirname "$0")"/../../build/package/vorbexia_*.deb | tail -n 1)}")
[ -f "$DEB" ] || fail "no package $DEB"
[ "$(id -u)" -eq 0 ] || fail "installing a package needs root"
ensure_packages "${PACKAGE_TEST_PACKAGES[@]}"

FILES=(/usr/games/vorbexia /usr/share/games/vorbexia/textures/brick.bmp
       /usr/share/games/vorbexia/textures/deska.bmp /usr/share/games/vorbexia/textures/panel.bmp
       /usr/share/games/vorbexia/textures/niebieski.bmp /usr/share/games/vorbexia/textures/qq.bmp
       /usr/share/games/vorbexia/textures/robot.bmp /usr/share/games/vorbexia/textures/plasma.bmp
       /usr/share/applications/vorbexia.desktop
       /usr/share/metainfo/io.github.vorbexia.Vorbexia.metainfo.xml
       /usr/share/man/man6/vorbexia.6.gz /usr/share/doc/vorbexia/copyright)
for size in 16 24 32 48 64 128 256; do
  FILES+=("/usr/share/icons/hicolor/${size}x$size/apps/vorbexia.png")
done

INSTALLED=""
trap '[ -n "$INSTALLED" ] && apt_get remove -y -qq vorbexia >/dev/null 2>&1; cleanup' EXIT

# Runtime libraries only: SDL2, OpenGL (libGL, or GLVND's libOpenGL and
# libGLX), GLU; nothing of the build.
depends=$(dpkg-deb -f "$DEB" Depends)
echo "Depends: $depends"
for library in libsdl2-2.0-0 'libgl1\|libopengl0' libglu1; do
  grep -q "$library" <<<"$depends" || fail "the package does not depend on $library"
done
grep -qE -- '-dev|cmake|g\+\+' <<<"$depends" && fail "the package depends on build tools"

export DEBIAN_FRONTEND=noninteractive
apt_get install -y -qq "$DEB" >"$E2E_TMP/apt.log" 2>&1 || fail "apt-get install: $(tail -n 5 "$E2E_TMP/apt.log")"
INSTALLED=1
for file in "${FILES[@]}"; do
  [ -f "$file" ] || fail "not installed: $file"
done
desktop-file-validate /usr/share/applications/vorbexia.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net /usr/share/metainfo/io.github.vorbexia.Vorbexia.metainfo.xml ||
  fail "appstreamcli validate"
MANWIDTH=80 man 6 vorbexia 2>/dev/null | grep -q "GRATULACJE! WYGRALES!" || fail "no manual page"

# check_maze FILE WHAT: the game's window shows the lit, textured maze.
check_maze() {
  local brightness colours
  brightness=$(mean_brightness "$1" 800x600+0+0)
  colours=$(convert "$1" -crop 800x600+0+0 +repage -format '%k' info:)
  echo "$2: mean brightness $brightness, $colours colours"
  [ "$brightness" -ge 12 ] || fail "$2: the view is black (brightness $brightness)"
  [ "$colours" -ge 5000 ] || fail "$2: only $colours colours, expected the textured maze"
  [ -n "${VORBEXIA_KEEP_SCREENSHOTS:-}" ] && cp "$1" "$VORBEXIA_KEEP_SCREENSHOTS/"
  return 0
}

# play_and_quit WHAT: "Nie" to the mode question, the maze, Esc, exit code 0.
play_and_quit() {
  answer_box "Wybor trybu" Escape
  wait_window "Vorbexia" 20 >/dev/null
  sleep 1
  screenshot "$E2E_TMP/$1.png"
  check_maze "$E2E_TMP/$1.png" "$1"
  press Escape
  expect_exit_code 0 20
}

start_xvfb 1024x768x24
mkdir "$E2E_TMP/elsewhere" && cd "$E2E_TMP/elsewhere" || fail "no folder to play in"
start_game /usr/games/vorbexia
play_and_quit from-another-folder

# The menu entry's command in its own working directory.
entry=/usr/share/applications/vorbexia.desktop
command=$(sed -n 's/^Exec=//p' "$entry")
folder=$(sed -n 's/^Path=//p' "$entry")
cd "$folder" || fail "the menu entry's Path $folder is no folder"
start_game "$command"
play_and_quit menu-entry
cd "$E2E_TMP" || fail "no test folder"

apt_get remove -y -qq vorbexia >"$E2E_TMP/apt.log" 2>&1 || fail "apt-get remove: $(tail -n 5 "$E2E_TMP/apt.log")"
INSTALLED=""
for file in "${FILES[@]}"; do
  [ ! -e "$file" ] || fail "left behind after removal: $file"
done
[ ! -e /usr/share/games/vorbexia ] || fail "left behind after removal: /usr/share/games/vorbexia"
echo "ok: installed, played from another folder and from the menu entry, validated, removed"
