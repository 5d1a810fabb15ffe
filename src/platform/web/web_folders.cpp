#include "platform/web/web_folders.h"

namespace vorbexia {

// Paths in the game's in-memory file system, shared with the page script.
UserFolders FindUserFolders() { return {"/settings/vorbexia.conf", "/screenshots", "/settings"}; }

}  // namespace vorbexia
