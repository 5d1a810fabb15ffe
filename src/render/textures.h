// The texture set: the game's seven pictures as OpenGL textures.
#pragma once

#include "image/dib_reader.h"
#include "render/gl_resources.h"

namespace vorbexia {

// Reads the seven files of textures/ (in the working directory, or in the
// installed copy when the working directory has no such folder) and uploads
// them into slots 0 to 6 of the table. Needs the current GL context. False
// at the first file that cannot be read; then no texture name is generated
// and the table is left as it was.
bool LoadTextures(TextureTable& textures, const ReaderBox& box);

}  // namespace vorbexia
