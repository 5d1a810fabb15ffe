// The conversion of a bitmap's stored pixels into 24-bit rows: R, G, B per
// pixel, rows in the order the file stores them, no filler.
//
// Uncompressed: 1, 4 and 8 bits through the colour table (an index beyond
// the table gives black), 16 bits as 5-5-5, 24 bits, 32 bits (blue, green,
// red, unused). Bit fields: 16 and 32 bits with contiguous masks, each
// channel scaled to 8 bits. Run-length encoded: RLE8 and RLE4, bottom-up only;
// pixels the stream skips keep what the output held (black when zeroed), and
// a stream that runs past its rows or past the file is clipped there.
#pragma once

#include <cstdint>

#include "image/dib_source.h"

namespace vorbexia {

// Whether the layout is one of those above and the file holds its rows.
bool CanConvertDibPixels(const DibSource& source);

// `rgb` holds RgbByteCount(source) bytes, zero-filled. False when the layout
// is not one of those above or the file is too short for the rows.
bool ConvertDibPixels(const DibSource& source, uint8_t* rgb);

}  // namespace vorbexia
