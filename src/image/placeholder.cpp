// Placeholder until the bitmap reader and the texture set land.
#include "image/textures.h"

namespace vorbexia {

std::unique_ptr<RgbImage> ReadDibFile(const char*, const ReaderBox&) { return nullptr; }
uint16_t CountDibColors(const uint8_t*, size_t) { return 0; }
std::unique_ptr<RgbImage> LoadImageFile(const char*, const ReaderBox&) { return nullptr; }
bool LoadTextures(TextureTable&, const ReaderBox&) { return true; }

}  // namespace vorbexia
