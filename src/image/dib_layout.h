// The byte layout of a bitmap file: the optional 14-byte file header, the
// 12-byte core header and the 40-byte info header, all little-endian and read
// in place at whatever byte offset they lie.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vorbexia {

constexpr uint16_t kDibMagic = 0x4D42;  // "BM"
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kPixelOffsetField = 10;  // in the file header

constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;

// Compression values of the info header.
constexpr uint32_t kCompressionRgb = 0;
constexpr uint32_t kCompressionRle8 = 1;
constexpr uint32_t kCompressionRle4 = 2;
constexpr uint32_t kCompressionBitfields = 3;

// Field offsets within the info header.
constexpr size_t kInfoWidth = 4;
constexpr size_t kInfoHeight = 8;
constexpr size_t kInfoPlanes = 12;
constexpr size_t kInfoBitCount = 14;
constexpr size_t kInfoCompression = 16;
constexpr size_t kInfoImageSize = 20;
constexpr size_t kInfoColorsUsed = 32;
constexpr size_t kInfoColorsImportant = 36;

// Field offsets within the core header.
constexpr size_t kCoreWidth = 4;
constexpr size_t kCoreHeight = 6;
constexpr size_t kCorePlanes = 8;
constexpr size_t kCoreBitCount = 10;

inline uint16_t ReadLe16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t ReadLe32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

inline void WriteLe16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

inline void WriteLe32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace vorbexia
