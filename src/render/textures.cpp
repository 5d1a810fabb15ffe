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
    // them (within the limit, checked when the file was read), so a picture
    // that is not a power of two stays untextured where the driver keeps to
    // OpenGL 1.1.
    glTexImage2D(GL_TEXTURE_2D, 0, 3, rows.width, rows.height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 rows.bytes());
  }
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

// The widest and tallest texture this GL takes; 0 when it does not say.
GLint MaxTextureSide() {
  GLint side = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
  return side;
}

// The picture goes up as level 0 alone, as large as it is (no mipmaps, no
// rescaling), so neither side may pass the limit. False after the box.
bool FitsTheGraphics(const char* name, const RgbImage& image, GLint max_side,
                     const ReaderBox& box) {
  const int64_t width = image.width;
  const int64_t height = image.height < 0 ? -int64_t{image.height} : int64_t{image.height};
  if (max_side <= 0 || (width <= max_side && height <= max_side)) return true;
  // Deliberate change: a picture past the limit is refused like an unreadable one, not left grey in silence.
  const std::string side = std::to_string(max_side);
  box(("Image " + std::string(name) + " too large for the graphics: " + std::to_string(width) +
       " x " + std::to_string(height) + " pixels, at most " + side + " x " + side + ".")
          .c_str());
  return false;
}

}  // namespace

bool LoadTextures(TextureTable& textures, const ReaderBox& box) {
  const std::string base = CurrentTextureBase();  // empty: "textures/..." as named
  const GLint max_side = MaxTextureSide();
  std::array<std::unique_ptr<RgbImage>, kTextureFiles.size()> images;
  for (size_t slot = 0; slot < kTextureFiles.size(); ++slot) {
    const std::string name = base + kTextureFiles[slot];
    images[slot] = LoadImageFile(name.c_str(), box);
    // Later files are not touched.
    if (images[slot] == nullptr || !FitsTheGraphics(name.c_str(), *images[slot], max_side, box)) {
      return false;
    }
  }
  glGenTextures(GLsizei(textures.size()), textures.data());
  for (size_t slot = 0; slot < images.size(); ++slot) UploadTexture(textures[slot], *images[slot]);
  return true;  // upload errors are not queried
}

}  // namespace vorbexia
