// The player's folders on Windows: the settings under the roaming
// application data, the screenshots in the Pictures folder.
#pragma once

#include "shell/user_folders.h"

namespace vorbexia {

// %APPDATA%\Vorbexia\vorbexia.conf and <Pictures>\Vorbexia. Nothing is
// created or read but what tells the places themselves.
UserFolders FindUserFolders();

}  // namespace vorbexia
