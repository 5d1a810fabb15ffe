// Reading a bitmap file's headers: where the image header lies, its kind,
// the colour table, the bit masks and the position of the pixel data. Every
// field is checked against the file's end before it is read.
#pragma once

#include <cstddef>
#include <cstdint>

#include "image/dib_source.h"

namespace vorbexia {

enum class DibHeaderStatus {
  kOk,
  kUnknownFormat,    // an image header of another size than 12 or 40
  kConversionError,  // a file too short for its headers, or a bad size
  kTooLarge,         // the decoded picture would exceed kMaxRgbBytes
};

// The largest decoded picture the reader allocates: 256 MiB.
constexpr uint64_t kMaxRgbBytes = uint64_t{256} << 20;

// Fills `source` from the `size` bytes of a whole file.
DibHeaderStatus ReadDibHeaders(const uint8_t* data, size_t size, DibSource& source);

}  // namespace vorbexia
