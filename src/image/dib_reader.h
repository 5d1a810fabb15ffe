// The bitmap file reader: Windows device-independent bitmap files (BMP), with
// or without the file header, with the 12- or 40-byte image header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "image/rgb_image.h"

namespace vorbexia {

class MappedFile;

// Shows one of the reader's boxes: caption "Error", one OK button, owned by
// the window with the keyboard focus.
using ReaderBox = std::function<void(const char* text)>;

// Reads and decodes a bitmap file. On failure the box has shown exactly one
// text and the result is empty.
std::unique_ptr<RgbImage> ReadDibFile(const char* name, const ReaderBox& box);

// ReadDibFile's work on a file already mapped. A file cut short while it is
// read gives "Image file conversion error.".
std::unique_ptr<RgbImage> ReadDibMapped(const MappedFile& file, const ReaderBox& box);

// Decodes the bytes of a whole bitmap file held in memory; the boxes and the
// result as for ReadDibFile, apart from the open failure.
std::unique_ptr<RgbImage> ReadDibMemory(const uint8_t* data, size_t size, const ReaderBox& box);

// "Failed to open DIB file <name>.\n" in at most 255 characters: a name too
// long for them is cut so that the text keeps its end.
std::string FormatOpenFailure(const char* name);

// The number of colour-table entries an image header announces, kept modulo
// 65536. `available` is how many bytes of the header can be read.
uint16_t CountDibColors(const uint8_t* header, size_t available);

}  // namespace vorbexia
