#include "image/png_writer.h"

#include <climits>

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
  const int64_t width = image.width, height = image.height;
  if (width <= 0 || height <= 0 || image.pixels.size() != uint64_t(width * height * 3)) return {};
  // stb counts the filtered rows (a filter byte each) and its output in
  // ints: half their range leaves room for both.
  if ((width * 3 + 1) * height > INT_MAX / 2) return {};
  const int row = static_cast<int>(width * 3);
  // PNG stores the top row first: the picture is read from its last row up,
  // by a negative stride, rather than copied upside down.
  const uint8_t* top = image.pixels.data() + (height - 1) * row;
  std::vector<uint8_t> bytes;
  if (!stbi_write_png_to_func(Append, &bytes, image.width, image.height, 3, top, -row)) return {};
  return bytes;
}

}  // namespace vorbexia
