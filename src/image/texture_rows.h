// The rows of a decoded picture as the texture upload reads them.
//
// glTexImage2D takes the bottom row of the picture first and, with the
// unpack alignment left at its default, starts each row on a multiple of 4
// bytes. A decoded picture keeps the file's row order (top row first for a
// negative height) and packs its rows tightly, so it is turned or padded
// here when it must be; most pictures go up as they are.
#pragma once

#include <cstdint>

#include "image/rgb_image.h"

namespace vorbexia {

constexpr size_t kUnpackAlignment = 4;  // bytes, OpenGL's default

struct TextureRows {
  int32_t width = 0;              // pixels
  int32_t height = 0;             // pixels, the picture's |height|
  const uint8_t* own = nullptr;   // the picture's pixels, when they go up as they are
  PixelBytes copy;                // otherwise its rows turned and padded
  const uint8_t* bytes() const { return own != nullptr ? own : copy.data(); }
};

// False only when a needed copy cannot be allocated. `image` must outlive
// the rows.
bool MakeTextureRows(const RgbImage& image, TextureRows& rows);

}  // namespace vorbexia
