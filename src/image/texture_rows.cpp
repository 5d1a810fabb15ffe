#include "image/texture_rows.h"

#include <algorithm>
#include <new>

namespace vorbexia {

bool MakeTextureRows(const RgbImage& image, TextureRows& rows) {
  const bool top_down = image.height < 0;
  const size_t count = top_down ? size_t(-int64_t{image.height}) : size_t(image.height);
  const size_t packed = size_t(image.width) * 3;  // bytes per decoded row
  const size_t stride = (packed + kUnpackAlignment - 1) / kUnpackAlignment * kUnpackAlignment;
  rows.width = image.width;
  rows.height = int32_t(count);
  if (!top_down && stride == packed) {
    rows.own = image.pixels.data();
    return true;
  }
  try {
    rows.copy.assign(stride * count, 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (size_t row = 0; row < count; ++row) {
    const size_t from = top_down ? count - 1 - row : row;  // bottom row first
    const uint8_t* start = image.pixels.data() + from * packed;
    std::copy(start, start + packed, rows.copy.begin() + ptrdiff_t(row * stride));
  }
  return true;
}

}  // namespace vorbexia
