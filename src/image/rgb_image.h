// A decoded picture: three bytes per pixel (R, G, B), rows one after another
// with no filler, in the order the file stores them (for the usual positive
// height the bottom row of the picture comes first).
#pragma once

#include <cstdint>
#include <vector>

#include "image/pixel_allocator.h"

namespace vorbexia {

using PixelBytes = std::vector<uint8_t, PixelAllocator<uint8_t>>;

struct RgbImage {
  int32_t width = 0;   // pixels, from the image header
  int32_t height = 0;  // pixels, from the image header, with its sign
  PixelBytes pixels;   // |height| * width * 3 bytes
};

}  // namespace vorbexia
