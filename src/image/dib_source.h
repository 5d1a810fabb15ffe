// What the reader takes from a bitmap file's headers before it converts the
// pixels: the picture's size and layout, its colour table and bit masks, and
// where its pixel data lie in the file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vorbexia {

struct DibSource {
  int32_t width = 0;   // pixels
  int32_t height = 0;  // pixels; negative when rows are stored top to bottom
  uint16_t bit_count = 0;
  uint32_t compression = 0;
  // The colour table, taken as literal colours: R, G, B per entry.
  std::vector<std::array<uint8_t, 3>> colors;
  // Red, green and blue masks of a bit-field layout (only read then).
  std::array<uint32_t, 3> masks{};
  // The pixel data: from their position up to the end of the file.
  const uint8_t* pixels = nullptr;
  size_t pixel_bytes = 0;
};

// Rows of the picture, whatever the sign of its height.
inline uint64_t RowCount(const DibSource& source) {
  return source.height < 0 ? uint64_t{0} - uint64_t(int64_t{source.height})
                           : uint64_t(source.height);
}

// Bytes of the decoded picture: 3 per pixel, no filler.
inline uint64_t RgbByteCount(const DibSource& source) {
  return RowCount(source) * uint64_t(uint32_t(source.width)) * 3;
}

}  // namespace vorbexia
