// The player's folders after the XDG conventions: the settings under
// $XDG_CONFIG_HOME (or ~/.config), the screenshots in the pictures folder
// that xdg-user-dirs keeps in $XDG_CONFIG_HOME/user-dirs.dirs.
#pragma once

#include <functional>
#include <istream>
#include <string>

#include "shell/user_folders.h"

namespace vorbexia {

// The folders for the user running the game, from the environment. Nothing
// is created or read but what tells the places themselves.
UserFolders FindUserFolders();

// A variable of the environment, as std::getenv gives it: null when unset.
using EnvironmentLookup = std::function<const char*(const char* name)>;

// $XDG_CONFIG_HOME/vorbexia/vorbexia.conf, with $HOME/.config for an unset,
// empty or relative XDG_CONFIG_HOME. The pictures: an absolute
// $XDG_PICTURES_DIR from the environment, else the XDG_PICTURES_DIR line of
// $XDG_CONFIG_HOME/user-dirs.dirs (a regular file of at most 64 KiB; a
// FIFO or a device is never waited on), else $HOME/Pictures; then /Vorbexia.
// Without a home either may be empty.
UserFolders XdgUserFolders(const EnvironmentLookup& environment);

// The pictures folder that a user-dirs.dirs file names, read as
// xdg-user-dirs reads it: XDG_PICTURES_DIR="$HOME/..." or ="/...", with
// backslash escapes; the last such line counts, other lines are ignored.
// Empty when no line names one or the one named is the home itself (which
// marks the folder unset). `home` has no trailing slash.
std::string PicturesFromUserDirs(std::istream& user_dirs, const std::string& home);

}  // namespace vorbexia
