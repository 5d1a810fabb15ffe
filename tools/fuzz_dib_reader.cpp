// libFuzzer target for the bitmap reader: each input is a whole file, decoded
// in memory exactly as the reader decodes a mapped file. Every outcome must
// be a picture of the announced size or exactly one of the reader's texts.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "image/dib_reader.h"

namespace {

bool IsReaderText(const char* text) {
  return std::strcmp(text, "Out of memory.") == 0 ||
         std::strcmp(text, "Unknown DIB file format.") == 0 ||
         std::strcmp(text, "Image file conversion error.") == 0 ||
         std::strncmp(text, "Image too large: ", 17) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A block of exactly the input's size, so that a read past the file's end
  // is an AddressSanitizer finding even for an empty input.
  std::unique_ptr<uint8_t[]> file(new uint8_t[size > 0 ? size : 1]);
  if (size > 0) std::memcpy(file.get(), data, size);
  int boxes = 0;
  const auto image = vorbexia::ReadDibMemory(file.get(), size, [&](const char* text) {
    if (!IsReaderText(text)) std::abort();
    ++boxes;
  });
  if (image == nullptr ? boxes != 1 : boxes != 0) std::abort();
  if (image != nullptr) {
    const uint64_t rows = image->height < 0 ? -int64_t{image->height} : image->height;
    if (image->width <= 0 || image->pixels.size() != rows * uint64_t(image->width) * 3) std::abort();
  }
  return 0;
}
