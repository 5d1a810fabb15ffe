# The Debian packages the game needs, and a check that installs what is
# missing. Sourced by ./play and ./test.

# (libasound2-dev: the game keeps alsa-lib's own messages off the terminal;
# libstb-dev: the header-only PNG writer of the screenshots, which the Windows
# and web builds take from the same folder.)
BUILD_PACKAGES=(cmake g++ make pkg-config libsdl2-dev libgl1-mesa-dev
                libglu1-mesa-dev libgl1-mesa-dri libasound2-dev libstb-dev)
# Tests: GoogleTest, benchmarks, a virtual display with input and screenshots
# (SDL's X11 message boxes need the fonts of xfonts-base), the fuzzer, and
# zlib for the icon generator, whose test checks the committed icons, and
# OpenGL ES 2 with EGL for the fixed-function layer's frames, and ccache
# (compiler_cache_options).
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool
               xfonts-base x11-utils imagemagick python3 clang libclang-rt-14-dev
               zlib1g-dev libgles-dev libegl-dev openbox ccache)

# The Debian package (tools/make-package): dpkg-shlibdeps and file for its
# dependencies; its test checks the menu entry and the AppStream metadata.
PACKAGE_PACKAGES=(dpkg-dev file)
PACKAGE_TEST_PACKAGES=(desktop-file-utils appstream xvfb xauth xdotool xfonts-base
                       x11-utils imagemagick)

# Windows: the mingw-w64 cross compiler (posix threads) and zip for
# tools/build-windows; Wine, GoogleTest's sources and the virtual display for
# ./test --windows (Wine draws OpenGL through the system's libGL).
WINDOWS_PACKAGES=(cmake make g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 zip nsis
                  libstb-dev ccache)
WINDOWS_TEST_PACKAGES=(wine wine64 googletest libgl1 libglx-mesa0 libgl1-mesa-dri
                       xvfb xauth xdotool x11-utils imagemagick)

# The web (tools/build-web): Emscripten, which brings its own clang and node;
# ImageMagick scales the icon to the sizes of an installed page.
# ./test --web: headless Chromium, node with npm for puppeteer-core (the
# tests' driver of the browser, installed into build/web-test; npm is
# Debian's package `npm` unless the nodejs installed brings its own), and
# GoogleTest's sources for the golden views' test built for the browser.
WEB_PACKAGES=(emscripten cmake make libstb-dev imagemagick)
WEB_TEST_PACKAGES=(chromium nodejs googletest)

# compiler_cache_options: CMake's options that put ccache before the C and
# C++ compilers when it is installed (else none, also in a tree that had
# it): a tree built anew (a clean clone, a second tree with the same flags)
# takes what was already compiled from ccache's cache.
compiler_cache_options() {
  local launcher=""
  command -v ccache >/dev/null && launcher=ccache
  echo "-DCMAKE_C_COMPILER_LAUNCHER=$launcher -DCMAKE_CXX_COMPILER_LAUNCHER=$launcher"
}

# ensure_packages NAME...: installs the missing ones with apt-get when run as
# root; otherwise prints the one apt-get line to run and stops.
ensure_packages() {
  local missing=()
  local name
  for name in "$@"; do
    dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$name")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local install=(apt-get install -y --no-install-recommends "${missing[@]}")
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Install them with:" >&2
    echo "  sudo apt-get update && sudo ${install[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt_get update -qq
  apt_get install -y --no-install-recommends "${missing[@]}"
}

# apt_get ARGS...: apt-get that waits up to ten minutes for another package
# manager (unattended-upgrades, a second apt-get) to let go of its lock.
# apt-get waits for dpkg's lock itself when told to (DPkg::Lock::Timeout), but
# not for the lock of the package lists or of the downloads, so a refusal
# naming a lock file is tried again every five seconds.
APT_LOCK_SECONDS=600
apt_get() {
  local deadline=$((SECONDS + APT_LOCK_SECONDS)) errors code said=""
  errors=$(mktemp) || return 1
  while :; do
    code=0
    apt-get -o DPkg::Lock::Timeout="$APT_LOCK_SECONDS" "$@" 2>"$errors" || code=$?
    # The lock's path is in the message whatever the language.
    if [ "$code" -eq 0 ] || [ $SECONDS -ge $deadline ] ||
       ! grep -qE '/lock(-frontend)?\b' "$errors"; then
      cat "$errors" >&2
      rm -f "$errors"
      return "$code"
    fi
    [ -n "$said" ] || echo "Waiting for another package manager to finish..." >&2
    said=1
    sleep 5
  done
}
