// Pictures as PNG files, for the screenshots: the bytes only; where they go
// is the caller's business.
#pragma once

#include <cstdint>
#include <vector>

#include "image/rgb_image.h"

namespace vorbexia {

// The whole PNG file of `image` (8-bit RGB, no alpha), whose rows come
// bottom first (a positive height), as ReadFrame gives them. Empty when the
// picture is empty, its pixels do not match its size, or it is too large for
// the encoder.
std::vector<uint8_t> EncodePng(const RgbImage& image);

}  // namespace vorbexia
