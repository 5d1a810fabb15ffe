// A picture file as the game reads it: a silent probe whether it opens at
// all, then the bitmap reader with its boxes.
#pragma once

#include <memory>

#include "image/dib_reader.h"

namespace vorbexia {

// Empty, without a box, when there is no name or the file does not open;
// otherwise ReadDibFile's result and boxes.
std::unique_ptr<RgbImage> LoadImageFile(const char* name, const ReaderBox& box);

}  // namespace vorbexia
