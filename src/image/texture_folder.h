// Where the seven pictures are read from: the working directory, or the
// copy installed with the game.
#pragma once

#include <string>
#include <string_view>

namespace vorbexia {

// The prefix put before "textures/brick.bmp" and the other names: empty
// (the working directory) when it has a textures folder or when the game
// knows no installed copy, else the installed data folder and a slash.
std::string TextureBase(bool has_textures_folder, std::string_view installed_folder);

// The prefix for this run: looks for the folder "textures" in the working
// directory; the installed data folder is fixed when the game is built.
std::string CurrentTextureBase();

}  // namespace vorbexia
