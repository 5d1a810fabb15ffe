// Writes bitmap files in the layouts the reader accepts. Used by the texture
// generator, the tools and the benchmark.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorbexia {

enum class DibLayout {
  kRgb24,          // 24 bits per pixel, info header
  kRgb555,         // 16 bits per pixel without masks (5-5-5), info header
  kBitfields32,    // 32 bits per pixel, masks 0x00FF0000 0x0000FF00 0x000000FF
  kBitfields565,   // 16 bits per pixel, masks 0xF800 0x07E0 0x001F
  kIndexed8,       // 8 bits per pixel, info header, colour table
  kIndexed4Core,   // 4 bits per pixel, core header, 3-byte colour entries
  kRle8,           // 8 bits per pixel, run-length encoded
  kRle4,           // 4 bits per pixel, run-length encoded
};

// A picture to be written. Rows bottom first, as a bitmap file stores them.
// Direct layouts read `rgb` (R, G, B per pixel); indexed layouts read
// `indices` (one per pixel) and `palette` (0xRRGGBB per entry).
struct DibPicture {
  int32_t width = 0;   // pixels
  int32_t height = 0;  // pixels, positive
  std::vector<uint8_t> rgb;
  std::vector<uint8_t> indices;
  std::vector<uint32_t> palette;
};

// The whole file. Bit-field layouts carry their masks right after the
// 40-byte header, before any colour table.
std::vector<uint8_t> EncodeDib(const DibPicture& picture, DibLayout layout,
                               bool with_file_header);

bool WriteFileBytes(const std::string& name, const std::vector<uint8_t>& bytes);

}  // namespace vorbexia
