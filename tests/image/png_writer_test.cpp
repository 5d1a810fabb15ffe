// The screenshots' PNG: stb's own reader gets the very pixels back, the
// right way up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image/png_writer.h"

// The reader for this test only; the game writes PNG and never reads it.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include <stb_image.h>

namespace vorbexia {
namespace {

TEST(PngWriter, TheFileDecodesToTheSamePixelsTopRowFirst) {
  RgbImage image;  // 3 x 2, the bottom row first as ReadFrame gives it
  image.width = 3;
  image.height = 2;
  for (int i = 0; i < 18; ++i) image.pixels.push_back(static_cast<uint8_t>(i * 14 + 1));
  const std::vector<uint8_t> png = EncodePng(image);
  ASSERT_GE(png.size(), 8u);
  EXPECT_EQ(std::string(png.begin(), png.begin() + 8), "\x89PNG\r\n\x1a\n");
  int width = 0, height = 0, channels = 0;
  uint8_t* decoded = stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &width,
                                           &height, &channels, 3);
  ASSERT_TRUE(decoded);
  std::vector<uint8_t> top_first(image.pixels.begin() + 9, image.pixels.end());  // stored second
  top_first.insert(top_first.end(), image.pixels.begin(), image.pixels.begin() + 9);
  EXPECT_EQ(std::vector<uint8_t>(decoded, decoded + 18), top_first);
  stbi_image_free(decoded);
  EXPECT_EQ(width, 3);
  EXPECT_EQ(height, 2);
}

}  // namespace
}  // namespace vorbexia
