#include "image/dib_decode.h"

#include <algorithm>
#include <bit>

#include "image/dib_layout.h"

namespace vorbexia {
namespace {

using Palette = std::array<std::array<uint8_t, 3>, 256>;

// Indices 0 to 255 with black for every entry the colour table lacks.
Palette MakePalette(const DibSource& source) {
  Palette palette{};
  const size_t count = std::min<size_t>(source.colors.size(), palette.size());
  std::copy_n(source.colors.begin(), count, palette.begin());
  return palette;
}

// One colour channel of a bit-field layout.
struct Channel {
  int shift = 0;
  uint32_t max = 0;  // the channel's largest value; 0 for an empty mask
};

bool MakeChannel(uint32_t mask, uint16_t bit_count, Channel& channel) {
  channel = Channel{};
  if (mask == 0) return true;
  if (bit_count < 32 && (mask >> bit_count) != 0) return false;  // beyond the pixel
  channel.shift = std::countr_zero(mask);
  channel.max = mask >> channel.shift;
  return (channel.max & (channel.max + 1)) == 0;  // contiguous
}

uint8_t ScaleChannel(uint32_t pixel, uint32_t mask, const Channel& channel) {
  if (channel.max == 0) return 0;
  const uint64_t value = (pixel & mask) >> channel.shift;
  return uint8_t((value * 255 + channel.max / 2) / channel.max);
}

struct BitFields {
  std::array<uint32_t, 3> masks;
  std::array<Channel, 3> channels;
};

void ConvertRow24(const uint8_t* in, uint8_t* out, uint32_t width) {
  for (uint32_t x = 0; x < width; ++x, in += 3, out += 3) {
    out[0] = in[2];
    out[1] = in[1];
    out[2] = in[0];
  }
}

void ConvertRowIndexed(const uint8_t* in, uint8_t* out, uint32_t width, int bits,
                       const Palette& palette) {
  const int per_byte = 8 / bits;
  const unsigned index_mask = (1u << bits) - 1;
  for (uint32_t x = 0; x < width; ++x, out += 3) {
    const int shift = 8 - bits * int(x % per_byte + 1);  // leftmost pixel in the high bits
    const auto& c = palette[(in[x / per_byte] >> shift) & index_mask];
    out[0] = c[0], out[1] = c[1], out[2] = c[2];
  }
}

void ConvertRowBitFields(const uint8_t* in, uint8_t* out, uint32_t width, int bytes,
                         const BitFields& fields) {
  for (uint32_t x = 0; x < width; ++x, in += bytes, out += 3) {
    const uint32_t pixel = bytes == 2 ? ReadLe16(in) : ReadLe32(in);
    for (int i = 0; i < 3; ++i) out[i] = ScaleChannel(pixel, fields.masks[i], fields.channels[i]);
  }
}

bool MakeBitFields(const DibSource& source, BitFields& fields) {
  if (source.compression == kCompressionBitfields) {
    fields.masks = source.masks;
  } else if (source.bit_count == 16) {
    fields.masks = {0x7C00, 0x03E0, 0x001F};  // 5-5-5
  } else {
    fields.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
  }
  for (int i = 0; i < 3; ++i) {
    if (!MakeChannel(fields.masks[i], source.bit_count, fields.channels[i])) return false;
  }
  return true;
}

// Uncompressed rows: width x bits per pixel, rounded up to 4 bytes. The last
// row needs only its pixels, not its filler.
bool UncompressedRowsFit(const DibSource& source) {
  const uint64_t bits = uint64_t(uint32_t(source.width)) * source.bit_count;
  const uint64_t stride = (bits + 31) / 32 * 4;
  const uint64_t rows = RowCount(source);
  if (rows == 0 || bits == 0) return false;
  return (rows - 1) * stride + (bits + 7) / 8 <= source.pixel_bytes;
}

void ConvertUncompressed(const DibSource& source, uint8_t* rgb) {
  const uint32_t width = uint32_t(source.width);
  const uint64_t stride = (uint64_t(width) * source.bit_count + 31) / 32 * 4;
  const uint64_t rows = RowCount(source);
  const Palette palette = MakePalette(source);
  BitFields fields{};
  if (source.bit_count == 16 || source.bit_count == 32) MakeBitFields(source, fields);
  const uint64_t out_stride = uint64_t(width) * 3;
  for (uint64_t row = 0; row < rows; ++row) {
    const uint8_t* in = source.pixels + row * stride;
    uint8_t* out = rgb + row * out_stride;
    switch (source.bit_count) {
      case 1: case 4: case 8:
        ConvertRowIndexed(in, out, width, source.bit_count, palette);
        break;
      case 24:
        ConvertRow24(in, out, width);
        break;
      default:
        ConvertRowBitFields(in, out, width, source.bit_count / 8, fields);
        break;
    }
  }
}

// --- Run-length encoded pixels ---------------------------------------------

// Where the stream draws. The position only moves forward (right along a
// row, or on to later rows), so every pixel is drawn at most once.
class RleCanvas {
 public:
  RleCanvas(const DibSource& source, uint8_t* rgb)
      : width_(uint32_t(source.width)), rows_(RowCount(source)), rgb_(rgb),
        palette_(MakePalette(source)) {}

  // `count` pixels from the position on, the i-th of index `index_of(i)`.
  // Those past the row's end are dropped all at once, unread.
  template <typename IndexOf>
  void Put(uint64_t count, IndexOf index_of) {
    const uint64_t room = x_ < width_ && y_ < rows_ ? width_ - x_ : 0;
    const uint64_t drawn = std::min(count, room);
    uint8_t* out = drawn > 0 ? rgb_ + (y_ * width_ + x_) * 3 : nullptr;
    for (uint64_t i = 0; i < drawn; ++i, out += 3) {
      const auto& c = palette_[index_of(unsigned(i))];
      out[0] = c[0], out[1] = c[1], out[2] = c[2];
    }
    x_ += count;
    drawn_ += drawn;
  }
  void EndLine() { x_ = 0, ++y_; }
  void Move(unsigned dx, unsigned dy) { x_ += dx, y_ += dy; }
  // Nothing more can be drawn: every pixel is, or the position has left the
  // picture for good (past the last row, or past the end of the last row).
  bool Done() const {
    return drawn_ == width_ * rows_ || y_ >= rows_ || (y_ + 1 == rows_ && x_ >= width_);
  }

 private:
  uint64_t width_;
  uint64_t rows_;
  uint8_t* rgb_;
  Palette palette_;
  uint64_t x_ = 0;  // pixels from the row's start
  uint64_t y_ = 0;  // rows from the first stored row
  uint64_t drawn_ = 0;  // pixels
};

// The n-th pixel of a run or of packed pixel bytes: for RLE4 the high nibble
// comes first.
unsigned NthIndex(const uint8_t* bytes, unsigned n, bool rle4) {
  if (!rle4) return bytes[n];
  const uint8_t b = bytes[n / 2];
  return n % 2 == 0 ? b >> 4 : b & 0x0F;
}

// Reads the stream only as far as it can still draw: its cost is bounded by
// the picture plus the stream used, however long the file goes on.
void ConvertRle(const DibSource& source, uint8_t* rgb) {
  const bool rle4 = source.compression == kCompressionRle4;
  RleCanvas canvas(source, rgb);
  const uint8_t* p = source.pixels;
  const uint8_t* const end = source.pixels + source.pixel_bytes;
  while (end - p >= 2 && !canvas.Done()) {
    const uint8_t count = p[0], value = p[1];
    p += 2;
    if (count > 0) {  // a run: `count` pixels of one byte's index (or two)
      canvas.Put(count, [&](unsigned i) { return NthIndex(&value, rle4 ? i % 2 : 0, rle4); });
    } else if (value == 0) {
      canvas.EndLine();
    } else if (value == 1) {
      break;  // end of bitmap
    } else if (value == 2) {
      if (end - p < 2) break;
      canvas.Move(p[0], p[1]);
      p += 2;
    } else {  // absolute: `value` pixels follow, padded to 16 bits
      const size_t bytes = rle4 ? (value + 1u) / 2 : value;
      const size_t available = std::min<size_t>(bytes, size_t(end - p));
      const unsigned pixels = rle4 ? std::min<unsigned>(value, unsigned(available * 2)) : available;
      const uint8_t* block = p;
      canvas.Put(pixels, [&](unsigned i) { return NthIndex(block, i, rle4); });
      p += std::min<size_t>((bytes + 1) & ~size_t{1}, size_t(end - p));
    }
  }
}

}  // namespace

bool CanConvertDibPixels(const DibSource& source) {
  const uint16_t bits = source.bit_count;
  BitFields fields{};
  switch (source.compression) {
    case kCompressionRgb:
      if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
      return UncompressedRowsFit(source);
    case kCompressionBitfields:
      if (bits != 16 && bits != 32) return false;
      return MakeBitFields(source, fields) && UncompressedRowsFit(source);
    case kCompressionRle8:
    case kCompressionRle4:
      // Compressed rows are always stored bottom-up.
      return bits == (source.compression == kCompressionRle8 ? 8 : 4) && source.height > 0 &&
             source.width > 0 && source.pixel_bytes > 0;
    default:
      return false;
  }
}

bool ConvertDibPixels(const DibSource& source, uint8_t* rgb) {
  if (!CanConvertDibPixels(source)) return false;
  if (source.compression == kCompressionRle8 || source.compression == kCompressionRle4) {
    ConvertRle(source, rgb);
  } else {
    ConvertUncompressed(source, rgb);
  }
  return true;
}

}  // namespace vorbexia
