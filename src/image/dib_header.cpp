#include "image/dib_header.h"

#include "image/dib_layout.h"
#include "image/dib_reader.h"

namespace vorbexia {
namespace {

// A 32-bit field of a header of which only `available` bytes exist; what the
// file lacks reads as 0.
uint32_t FieldOrZero(const uint8_t* header, size_t available, size_t offset) {
  return offset + 4 <= available ? ReadLe32(header + offset) : 0;
}

uint16_t Field16OrZero(const uint8_t* header, size_t available, size_t offset) {
  return offset + 2 <= available ? ReadLe16(header + offset) : 0;
}

constexpr uint64_t kMaskBytes = 12;  // red, green and blue, 32 bits each

struct HeaderPlace {
  size_t offset = 0;          // of the image header in the file
  bool has_file_header = false;
  uint32_t pixel_offset = 0;  // from the file header, when there is one
};

HeaderPlace FindImageHeader(const uint8_t* data, size_t size) {
  HeaderPlace place;
  if (size >= kFileHeaderSize && ReadLe16(data) == kDibMagic) {
    place.offset = kFileHeaderSize;
    place.has_file_header = true;
    place.pixel_offset = ReadLe32(data + kPixelOffsetField);
  } else if (size >= 2 && ReadLe16(data) == kDibMagic) {
    place.offset = size;  // a file header cut short: no image header at all
  }
  return place;
}

void ReadCoreFields(const uint8_t* header, DibSource& source) {
  source.width = ReadLe16(header + kCoreWidth);
  source.height = ReadLe16(header + kCoreHeight);
  source.bit_count = ReadLe16(header + kCoreBitCount);
  source.compression = kCompressionRgb;
}

void ReadInfoFields(const uint8_t* header, DibSource& source) {
  source.width = int32_t(ReadLe32(header + kInfoWidth));
  source.height = int32_t(ReadLe32(header + kInfoHeight));
  source.bit_count = ReadLe16(header + kInfoBitCount);
  source.compression = ReadLe32(header + kInfoCompression);
}

// Core entries are blue, green, red; info entries add a reserved byte.
void ReadColorTable(const uint8_t* table, size_t count, size_t entry_size, DibSource& source) {
  source.colors.resize(count);
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* e = table + i * entry_size;
    source.colors[i] = {e[2], e[1], e[0]};
  }
}

}  // namespace

uint16_t CountDibColors(const uint8_t* header, size_t available) {
  uint16_t bit_count;
  if (FieldOrZero(header, available, 0) == kCoreHeaderSize) {
    bit_count = Field16OrZero(header, available, kCoreBitCount);
  } else {
    const uint32_t used = FieldOrZero(header, available, kInfoColorsUsed);
    if (used != 0) return uint16_t(used);  // kept modulo 65536
    bit_count = Field16OrZero(header, available, kInfoBitCount);
  }
  switch (bit_count) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
  }
}

DibHeaderStatus ReadDibHeaders(const uint8_t* data, size_t size, DibSource& source) {
  const HeaderPlace place = FindImageHeader(data, size);
  const size_t available = size - place.offset;
  if (available < 4) return DibHeaderStatus::kConversionError;
  const uint8_t* header = data + place.offset;
  const uint64_t colors = CountDibColors(header, available);

  const uint32_t header_size = ReadLe32(header);
  if (header_size != kCoreHeaderSize && header_size != kInfoHeaderSize) {
    return DibHeaderStatus::kUnknownFormat;
  }
  const bool core = header_size == kCoreHeaderSize;
  if (available < header_size) return DibHeaderStatus::kConversionError;
  if (core) ReadCoreFields(header, source);
  else ReadInfoFields(header, source);
  // Bit-field masks follow the 40-byte header, so the colour table and (with
  // no file header) the pixels start 12 bytes later; reading them at 40 took
  // the masks for the first pixels.
  const bool has_masks = !core && source.compression == kCompressionBitfields;
  const uint64_t table_start = header_size + (has_masks ? kMaskBytes : 0);
  const uint64_t entry_size = core ? 3 : 4;
  const uint64_t table_end = table_start + colors * entry_size;
  if (table_end > available) return DibHeaderStatus::kConversionError;
  if (has_masks) {
    for (size_t i = 0; i < 3; ++i) source.masks[i] = ReadLe32(header + header_size + 4 * i);
  }
  ReadColorTable(header + table_start, colors, entry_size, source);

  if (source.width <= 0 || source.height == 0) return DibHeaderStatus::kConversionError;
  if (RgbByteCount(source) > kMaxRgbBytes) return DibHeaderStatus::kTooLarge;

  const uint64_t pixel_offset =
      place.has_file_header ? uint64_t{place.pixel_offset} : place.offset + table_end;
  if (pixel_offset >= size) return DibHeaderStatus::kConversionError;
  source.pixels = data + pixel_offset;
  source.pixel_bytes = size_t(size - pixel_offset);
  return DibHeaderStatus::kOk;
}

}  // namespace vorbexia
