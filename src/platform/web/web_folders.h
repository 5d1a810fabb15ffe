// The player's files in the browser: the page copies the settings kept in
// the browser's local storage into the game's file system before each game
// and offers each screenshot written as a download.
#pragma once

#include "shell/user_folders.h"

namespace vorbexia {

UserFolders FindUserFolders();

}  // namespace vorbexia
