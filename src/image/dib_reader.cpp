#include "image/dib_reader.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "image/dib_decode.h"
#include "image/dib_header.h"
#include "image/mapped_file.h"

namespace vorbexia {
namespace {

constexpr char kOutOfMemory[] = "Out of memory.";
constexpr char kUnknownFormat[] = "Unknown DIB file format.";
constexpr char kConversionError[] = "Image file conversion error.";

constexpr size_t kOpenFailureSize = 256;  // characters, terminator included

// A picture past the reader's limit is never allocated, so it is named for
// what it is, with its size, not as memory that ran out.
std::string TooLargeText(const DibSource& source) {
  return "Image too large: " + std::to_string(source.width) + " x " +
         std::to_string(RowCount(source)) + " pixels (over " +
         std::to_string(kMaxRgbBytes >> 20) + " MiB).";
}

std::string TextOf(DibHeaderStatus status, const DibSource& source) {
  switch (status) {
    case DibHeaderStatus::kUnknownFormat: return kUnknownFormat;
    // Deliberate change: "Out of memory." blamed the machine for a size the game never holds.
    case DibHeaderStatus::kTooLarge: return TooLargeText(source);
    default: return kConversionError;
  }
}

}  // namespace

std::string FormatOpenFailure(const char* name) {
  static constexpr char kBefore[] = "Failed to open DIB file ";
  static constexpr char kAfter[] = ".\n";
  // 229 characters of the name fit; a longer name is cut there, never in the
  // middle of a UTF-8 character, so that the text keeps its end.
  constexpr size_t kRoom = kOpenFailureSize - 1 - (sizeof(kBefore) - 1) - (sizeof(kAfter) - 1);
  size_t length = strnlen(name, kRoom + 1);
  if (length > kRoom) {
    length = kRoom;
    while (length > 0 && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) --length;
  }
  char text[kOpenFailureSize];
  std::snprintf(text, sizeof text, "%s%.*s%s", kBefore, int(length), name, kAfter);
  return text;
}

std::unique_ptr<RgbImage> ReadDibMemory(const uint8_t* data, size_t size, const ReaderBox& box) {
  DibSource source;
  const DibHeaderStatus status = ReadDibHeaders(data, size, source);
  if (status != DibHeaderStatus::kOk) {
    box(TextOf(status, source).c_str());
    return nullptr;
  }
  if (!CanConvertDibPixels(source)) {  // before anything large is allocated
    box(kConversionError);
    return nullptr;
  }
  std::unique_ptr<RgbImage> image(new (std::nothrow) RgbImage);
  if (image == nullptr) {
    box(kOutOfMemory);
    return nullptr;
  }
  try {
    image->pixels.resize(size_t(RgbByteCount(source)));
  } catch (const std::bad_alloc&) {
    box(kOutOfMemory);
    return nullptr;
  }
  ConvertDibPixels(source, image->pixels.data());
  image->width = source.width;
  image->height = source.height;
  return image;
}

std::unique_ptr<RgbImage> ReadDibMapped(const MappedFile& file, const ReaderBox& box) {
  // No box shows while the read is guarded; its text waits until after.
  std::string text;
  std::unique_ptr<RgbImage> image;
  const bool whole = file.ReadGuarded([&](const uint8_t* data, size_t size) {
    image = ReadDibMemory(data, size, [&](const char* failure) { text = failure; });
  });
  if (!whole) {  // cut short while read: whatever was decoded is not the picture
    image.reset();
    text = kConversionError;
  }
  if (!text.empty()) box(text.c_str());  // while the file is still mapped
  return image;
}

std::unique_ptr<RgbImage> ReadDibFile(const char* name, const ReaderBox& box) {
  if (name != nullptr) {
    if (const std::unique_ptr<MappedFile> file = MappedFile::Open(name)) {
      return ReadDibMapped(*file, box);
    }
  }
  // Nothing of the file is held any more when the box shows.
  box(FormatOpenFailure(name != nullptr ? name : "").c_str());
  return nullptr;
}

}  // namespace vorbexia
