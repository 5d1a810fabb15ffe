// Hand-assembled bitmap files for the reader's tests: every byte is spelled
// out here, independent of the game's own writer.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "image/dib_reader.h"

namespace vorbexia::test {

struct Bytes {
  std::vector<uint8_t> data;

  // Room from the start keeps GCC 12 from a false -Wstringop-overflow on
  // inserts into an empty vector.
  Bytes() { data.reserve(64); }

  Bytes& U8(std::initializer_list<uint8_t> values) {
    data.insert(data.end(), values);
    return *this;
  }
  Bytes& U16(uint16_t v) { return U8({uint8_t(v), uint8_t(v >> 8)}); }
  Bytes& U32(uint32_t v) { return U8({uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}); }
  Bytes& Zeros(size_t n) {
    data.insert(data.end(), n, 0);
    return *this;
  }
  Bytes& Append(const Bytes& other) {
    data.insert(data.end(), other.data.begin(), other.data.end());
    return *this;
  }
  size_t size() const { return data.size(); }
};

// The 14-byte file header: "BM", file size, two reserved fields, pixel offset.
inline Bytes FileHeader(uint32_t pixel_offset, uint32_t file_size = 0) {
  return Bytes().U8({'B', 'M'}).U32(file_size).U16(0).U16(0).U32(pixel_offset);
}

// The 40-byte info header.
inline Bytes InfoHeader(int32_t width, int32_t height, uint16_t bits, uint32_t compression = 0,
                        uint32_t colors_used = 0, uint32_t image_size = 0) {
  return Bytes()
      .U32(40).U32(uint32_t(width)).U32(uint32_t(height)).U16(1).U16(bits)
      .U32(compression).U32(image_size).U32(2835).U32(2835).U32(colors_used).U32(0);
}

// The 12-byte core header.
inline Bytes CoreHeader(uint16_t width, uint16_t height, uint16_t bits) {
  return Bytes().U32(12).U16(width).U16(height).U16(1).U16(bits);
}

// A whole file: file header, image header, colour table or masks, pixels,
// with the pixel offset pointing right after the table.
inline Bytes WithFileHeader(const Bytes& header_and_table, const Bytes& pixels) {
  const uint32_t offset = uint32_t(14 + header_and_table.size());
  return FileHeader(offset, uint32_t(offset + pixels.size())).Append(header_and_table).Append(pixels);
}

// What one call of the reader showed, in order.
struct BoxLog {
  std::vector<std::string> texts;
  ReaderBox box() {
    return [this](const char* text) { texts.emplace_back(text); };
  }
};

// Decodes from a heap block of exactly the file's size, so that any read
// past its end is an AddressSanitizer finding.
inline std::unique_ptr<RgbImage> Decode(const std::vector<uint8_t>& file, BoxLog& log) {
  std::unique_ptr<uint8_t[]> exact(new uint8_t[file.size()]);
  std::copy(file.begin(), file.end(), exact.get());
  return ReadDibMemory(exact.get(), file.size(), log.box());
}

inline PixelBytes Rgb(std::initializer_list<uint8_t> bytes) { return bytes; }

}  // namespace vorbexia::test
