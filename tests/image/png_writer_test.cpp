// The screenshots' PNG: stb's own reader gets the very pixels back, the
// right way up.
#include <gtest/gtest.h>

#include <cstring>
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

// What stb reads back from `png`, as RGB rows top first.
std::vector<uint8_t> Decoded(const std::vector<uint8_t>& png, int& width, int& height) {
  int channels = 0;
  uint8_t* pixels = stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &width,
                                          &height, &channels, 3);
  if (!pixels) return {};
  std::vector<uint8_t> rgb(pixels, pixels + width * height * 3);
  stbi_image_free(pixels);
  return rgb;
}

TEST(PngWriter, TheFileDecodesToTheSamePixelsTopRowFirst) {
  RgbImage image;  // 3 x 2, the bottom row first as ReadFrame gives it
  image.width = 3;
  image.height = 2;
  for (int i = 0; i < 18; ++i) image.pixels.push_back(static_cast<uint8_t>(i * 14 + 1));
  const std::vector<uint8_t> png = EncodePng(image);
  ASSERT_GE(png.size(), 8u);
  EXPECT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8), 0);
  int width = 0, height = 0;
  // The second row stored is the top one.
  std::vector<uint8_t> expected(image.pixels.begin() + 9, image.pixels.end());
  expected.insert(expected.end(), image.pixels.begin(), image.pixels.begin() + 9);
  EXPECT_EQ(Decoded(png, width, height), expected);
  EXPECT_EQ(width, 3);
  EXPECT_EQ(height, 2);

  image.height = -2;  // the same bytes, now top row first
  EXPECT_EQ(Decoded(EncodePng(image), width, height),
            std::vector<uint8_t>(image.pixels.begin(), image.pixels.end()));
}

TEST(PngWriter, APictureThatDoesNotMatchItsSizeGivesNoFile) {
  RgbImage image;
  image.width = 3;
  image.height = 2;
  image.pixels.resize(17);
  EXPECT_TRUE(EncodePng(image).empty());
  EXPECT_TRUE(EncodePng(RgbImage{}).empty());
}

}  // namespace
}  // namespace vorbexia
