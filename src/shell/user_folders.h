// Where the player's own files live on this system: the settings file read
// at start, the folder the screenshots go to and the game's data folder. Each platform layer finds
// them its own way (the XDG folders on Linux, the known folders on Windows).
#pragma once

#include <string>

namespace vorbexia {

struct UserFolders {
  std::string settings_file;  // UTF-8 path; empty: the system gives no place
  std::string pictures;       // UTF-8 path of the screenshots' folder; empty: none
  std::string data;           // UTF-8 path of the game's data (the best time); empty: none
};

}  // namespace vorbexia
