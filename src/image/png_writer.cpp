#include "image/png_writer.h"

#include <climits>
#include <cstdlib>

// stb's encoder compiled here and nowhere else, its functions kept to this
// file (static) so that no other copy of stb can clash with them; no stdio,
// since the bytes are written by the caller's safe path.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace vorbexia {
namespace {

void Append(void* context, void* data, int size) {
  auto& bytes = *static_cast<std::vector<uint8_t>*>(context);
  const auto* more = static_cast<const uint8_t*>(data);
  bytes.insert(bytes.end(), more, more + size);
}

}  // namespace

std::vector<uint8_t> EncodePng(const RgbImage& image) {
  const int64_t width = image.width;
  const int64_t height = std::llabs(int64_t{image.height});
  if (width <= 0 || height == 0 || image.pixels.size() != uint64_t(width * height * 3)) return {};
  // stb counts the filtered rows (a filter byte each) in an int.
  if ((width * 3 + 1) * height > INT_MAX / 2) return {};
  const int row = static_cast<int>(width * 3);
  // PNG stores the top row first: a bottom-first picture is read from its
  // last row up, by a negative stride, rather than copied upside down.
  const bool bottom_first = image.height > 0;
  const uint8_t* top = image.pixels.data() + (bottom_first ? (height - 1) * row : 0);
  std::vector<uint8_t> bytes;
  if (!stbi_write_png_to_func(Append, &bytes, static_cast<int>(width), static_cast<int>(height), 3,
                              top, bottom_first ? -row : row)) {
    return {};
  }
  return bytes;
}

}  // namespace vorbexia
