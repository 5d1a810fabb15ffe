#include "image/dib_writer.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "image/dib_layout.h"

namespace vorbexia {
namespace {

struct LayoutInfo {
  uint16_t bit_count;
  uint32_t compression;
  bool core_header;
  bool indexed;
};

LayoutInfo DescribeLayout(DibLayout layout) {
  switch (layout) {
    case DibLayout::kRgb24: return {24, kCompressionRgb, false, false};
    case DibLayout::kRgb555: return {16, kCompressionRgb, false, false};
    case DibLayout::kBitfields32: return {32, kCompressionBitfields, false, false};
    case DibLayout::kBitfields565: return {16, kCompressionBitfields, false, false};
    case DibLayout::kIndexed8: return {8, kCompressionRgb, false, true};
    case DibLayout::kIndexed4Core: return {4, kCompressionRgb, true, true};
    case DibLayout::kRle8: return {8, kCompressionRle8, false, true};
    case DibLayout::kRle4: return {4, kCompressionRle4, false, true};
  }
  return {24, kCompressionRgb, false, false};
}

void Append16(std::vector<uint8_t>& out, uint16_t v) {
  uint8_t bytes[2];
  WriteLe16(bytes, v);
  out.insert(out.end(), bytes, bytes + 2);
}

void Append32(std::vector<uint8_t>& out, uint32_t v) {
  uint8_t bytes[4];
  WriteLe32(bytes, v);
  out.insert(out.end(), bytes, bytes + 4);
}

void PadRow(std::vector<uint8_t>& out, size_t row_start) {
  while ((out.size() - row_start) % 4 != 0) out.push_back(0);
}

uint32_t PixelRgb(const DibPicture& picture, size_t index) {
  const uint8_t* p = &picture.rgb[index * 3];
  return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
}

void AppendDirectRows(const DibPicture& picture, DibLayout layout,
                      std::vector<uint8_t>& out) {
  for (int32_t y = 0; y < picture.height; ++y) {
    const size_t row_start = out.size();
    for (int32_t x = 0; x < picture.width; ++x) {
      const uint32_t c = PixelRgb(picture, size_t(y) * picture.width + x);
      const uint32_t r = c >> 16, g = (c >> 8) & 0xFF, b = c & 0xFF;
      switch (layout) {
        case DibLayout::kRgb24:
          out.push_back(uint8_t(b)), out.push_back(uint8_t(g)), out.push_back(uint8_t(r));
          break;
        case DibLayout::kBitfields32:
          Append32(out, c);
          break;
        case DibLayout::kRgb555:
          Append16(out, uint16_t(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3)));
          break;
        default:  // kBitfields565
          Append16(out, uint16_t(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3)));
          break;
      }
    }
    PadRow(out, row_start);
  }
}

void AppendIndexedRows(const DibPicture& picture, int bits, std::vector<uint8_t>& out) {
  for (int32_t y = 0; y < picture.height; ++y) {
    const size_t row_start = out.size();
    const uint8_t* row = &picture.indices[size_t(y) * picture.width];
    for (int32_t x = 0; x < picture.width; ++x) {
      if (bits == 8) {
        out.push_back(row[x]);
      } else if (x % 2 == 0) {
        out.push_back(uint8_t(row[x] << 4));
      } else {
        out.back() |= row[x] & 0x0F;
      }
    }
    PadRow(out, row_start);
  }
}

// --- Run-length encoding -------------------------------------------------
//
// Runs of three or more equal pixels become encoded runs, other stretches
// absolute runs. When colour 0 is black, runs of four or more black pixels
// are skipped with a delta (or by the end of the line), since skipped pixels
// stay black.

void AppendAbsolute(const uint8_t* pixels, int count, int bits, std::vector<uint8_t>& out) {
  if (count < 3) {  // absolute runs need three pixels at least
    for (int i = 0; i < count; ++i) {
      out.push_back(1);
      out.push_back(bits == 8 ? pixels[i] : uint8_t(pixels[i] * 0x11));
    }
    return;
  }
  out.push_back(0);
  out.push_back(uint8_t(count));
  const size_t start = out.size();
  for (int i = 0; i < count; ++i) {
    if (bits == 8) out.push_back(pixels[i]);
    else if (i % 2 == 0) out.push_back(uint8_t(pixels[i] << 4));
    else out.back() |= pixels[i] & 0x0F;
  }
  if ((out.size() - start) % 2 != 0) out.push_back(0);  // to a 16-bit boundary
}

int RunLength(const uint8_t* row, int x, int width) {
  int n = 1;
  while (x + n < width && n < 255 && row[x + n] == row[x]) ++n;
  return n;
}

void AppendRleRow(const uint8_t* row, int width, int bits, bool skip_black,
                  std::vector<uint8_t>& out) {
  int x = 0;
  int literal_start = 0;
  auto flush_literal = [&](int end) {
    while (literal_start < end) {
      const int n = std::min(end - literal_start, 255);
      AppendAbsolute(row + literal_start, n, bits, out);
      literal_start += n;
    }
  };
  while (x < width) {
    const int n = RunLength(row, x, width);
    if (skip_black && row[x] == 0 && (n >= 4 || x + n == width)) {
      flush_literal(x);
      if (x + n == width) break;  // the end of line skips the rest
      out.insert(out.end(), {0, 2, uint8_t(n), 0});
      x += n;
      literal_start = x;
    } else if (n >= 3) {
      flush_literal(x);
      out.push_back(uint8_t(n));
      out.push_back(bits == 8 ? row[x] : uint8_t(row[x] * 0x11));
      x += n;
      literal_start = x;
    } else {
      x += n;
    }
  }
  flush_literal(x);
}

void AppendRleRows(const DibPicture& picture, int bits, std::vector<uint8_t>& out) {
  const bool skip_black = !picture.palette.empty() && picture.palette[0] == 0;
  for (int32_t y = 0; y < picture.height; ++y) {
    AppendRleRow(&picture.indices[size_t(y) * picture.width], picture.width, bits,
                 skip_black, out);
    out.insert(out.end(), {0, 0});  // end of line
  }
  out.insert(out.end(), {0, 1});  // end of bitmap
}

void AppendInfoHeader(const DibPicture& picture, const LayoutInfo& info,
                      uint32_t colors, std::vector<uint8_t>& out) {
  Append32(out, kInfoHeaderSize);
  Append32(out, uint32_t(picture.width));
  Append32(out, uint32_t(picture.height));
  Append16(out, 1);
  Append16(out, info.bit_count);
  Append32(out, info.compression);
  Append32(out, 0);  // image size: to be filled in
  Append32(out, 2835);  // 72 pixels per inch
  Append32(out, 2835);
  Append32(out, colors);
  Append32(out, 0);
}

void AppendCoreHeader(const DibPicture& picture, const LayoutInfo& info,
                      std::vector<uint8_t>& out) {
  Append32(out, kCoreHeaderSize);
  Append16(out, uint16_t(picture.width));
  Append16(out, uint16_t(picture.height));
  Append16(out, 1);
  Append16(out, info.bit_count);
}

void AppendColorTable(const DibPicture& picture, const LayoutInfo& info,
                      std::vector<uint8_t>& out) {
  for (uint32_t c : picture.palette) {
    out.push_back(uint8_t(c)), out.push_back(uint8_t(c >> 8)), out.push_back(uint8_t(c >> 16));
    if (!info.core_header) out.push_back(0);
  }
}

void AppendMasks(DibLayout layout, std::vector<uint8_t>& out) {
  if (layout == DibLayout::kBitfields32) {
    Append32(out, 0x00FF0000), Append32(out, 0x0000FF00), Append32(out, 0x000000FF);
  } else {
    Append32(out, 0xF800), Append32(out, 0x07E0), Append32(out, 0x001F);
  }
}

}  // namespace

std::vector<uint8_t> EncodeDib(const DibPicture& picture, DibLayout layout,
                               bool with_file_header) {
  const LayoutInfo info = DescribeLayout(layout);
  std::vector<uint8_t> out(with_file_header ? kFileHeaderSize : 0);
  const size_t header_start = out.size();
  const uint32_t colors = info.indexed ? uint32_t(picture.palette.size()) : 0;
  if (info.core_header) AppendCoreHeader(picture, info, out);
  else AppendInfoHeader(picture, info, colors, out);
  if (info.compression == kCompressionBitfields) AppendMasks(layout, out);
  AppendColorTable(picture, info, out);
  const size_t pixel_start = out.size();
  if (info.compression == kCompressionRle8 || info.compression == kCompressionRle4) {
    AppendRleRows(picture, info.bit_count, out);
  } else if (info.indexed) {
    AppendIndexedRows(picture, info.bit_count, out);
  } else {
    AppendDirectRows(picture, layout, out);
  }
  if (!info.core_header) {
    WriteLe32(&out[header_start + kInfoImageSize], uint32_t(out.size() - pixel_start));
  }
  if (with_file_header) {
    WriteLe16(&out[0], kDibMagic);
    WriteLe32(&out[2], uint32_t(out.size()));
    WriteLe32(&out[kPixelOffsetField], uint32_t(pixel_start));
  }
  return out;
}

bool WriteFileBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(name.c_str(), "wb"), &std::fclose);
  if (!file) return false;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return false;
  return std::fclose(file.release()) == 0;
}

}  // namespace vorbexia
