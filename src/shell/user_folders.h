// Where the player's own files live on this system: the settings file read
// at start and the folder the screenshots go to. Each platform layer finds
// them its own way (the XDG folders on Linux, the known folders on Windows).
#pragma once

#include <string>

namespace vorbexia {

struct UserFolders {
  std::string settings_file;  // UTF-8 path; empty: the system gives no place
  std::string pictures;       // UTF-8 path of the screenshots' folder; empty: none
};

}  // namespace vorbexia
