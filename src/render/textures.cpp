#include "render/textures.h"

#include "render/gl_api.h"

#include <array>
#include <memory>
#include <string>

#include "image/image_file.h"
#include "image/texture_folder.h"
#include "image/texture_rows.h"

namespace vorbexia {
namespace {

// Load order is slot order.
constexpr std::array<const char*, 7> kTextureFiles = {
    "textures/brick.bmp",      // kTextureBrick
    "textures/deska.bmp",      // kTextureFloor
    "textures/panel.bmp",      // kTextureCeiling
    "textures/niebieski.bmp",  // kTextureGun
    "textures/qq.bmp",         // kTextureShot
    "textures/robot.bmp",      // kTextureWreck
    "textures/plasma.bmp",     // kTextureRobot
};

void UploadTexture(uint32_t name, const RgbImage& image) {
  glBindTexture(GL_TEXTURE_2D, name);
  // Top-down pictures go up bottom row first with their |height|, and rows
  // are padded to the default unpack alignment: OpenGL refuses a negative
  // height and would read tightly packed odd rows sheared and past their end.
  TextureRows rows;
  if (MakeTextureRows(image, rows)) {  // no memory for the copy: untextured
    // Three components from R, G, B bytes; the sizes go in as the file gives
    // them, so a picture that is not a power of two stays untextured where
    // the driver keeps to OpenGL 1.1.
    glTexImage2D(GL_TEXTURE_2D, 0, 3, rows.width, rows.height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 rows.bytes());
  }
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

}  // namespace

bool LoadTextures(TextureTable& textures, const ReaderBox& box) {
  const std::string base = CurrentTextureBase();  // empty: "textures/..." as named
  std::array<std::unique_ptr<RgbImage>, kTextureFiles.size()> images;
  for (size_t slot = 0; slot < kTextureFiles.size(); ++slot) {
    images[slot] = LoadImageFile((base + kTextureFiles[slot]).c_str(), box);
    if (images[slot] == nullptr) return false;  // later files are not touched
  }
  glGenTextures(GLsizei(textures.size()), textures.data());
  for (size_t slot = 0; slot < images.size(); ++slot) UploadTexture(textures[slot], *images[slot]);
  return true;  // upload errors are not queried
}

}  // namespace vorbexia
