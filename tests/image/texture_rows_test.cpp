// The rows handed to the texture upload: bottom row first, each row starting
// on a multiple of 4 bytes, and no copy when the picture already is so.
#include <gtest/gtest.h>

#include "dib_bytes.h"
#include "image/texture_rows.h"

namespace vorbexia::test {
namespace {

RgbImage Picture(int32_t width, int32_t height, PixelBytes pixels) {
  return RgbImage{width, height, std::move(pixels)};
}

std::vector<uint8_t> Bytes(const TextureRows& rows, size_t count) {
  return {rows.bytes(), rows.bytes() + count};
}

TEST(TextureRows, BottomUpRowsOfWholeWordsGoUpAsTheyAre) {
  const RgbImage image = Picture(4, 2, PixelBytes(24, 7));
  TextureRows rows;
  ASSERT_TRUE(MakeTextureRows(image, rows));
  EXPECT_EQ(rows.bytes(), image.pixels.data());
  EXPECT_TRUE(rows.copy.empty());
  EXPECT_EQ(rows.width, 4);
  EXPECT_EQ(rows.height, 2);
}

TEST(TextureRows, RowsOfFifteenBytesGetOneFillerByteEach) {
  const RgbImage image = Picture(5, 2, PixelBytes(30, 1));
  TextureRows rows;
  ASSERT_TRUE(MakeTextureRows(image, rows));
  std::vector<uint8_t> expected(32, 1);
  expected[15] = expected[31] = 0;
  EXPECT_EQ(Bytes(rows, 32), expected);
  EXPECT_EQ(rows.copy.size(), 32u);
}

TEST(TextureRows, TopDownRowsAreTurnedAndTheHeightMadePositive) {
  const RgbImage image = Picture(4, -3, PixelBytes(36));
  RgbImage numbered = image;
  for (size_t i = 0; i < 36; ++i) numbered.pixels[i] = uint8_t(i / 12);  // row number
  TextureRows rows;
  ASSERT_TRUE(MakeTextureRows(numbered, rows));
  EXPECT_EQ(rows.height, 3);
  std::vector<uint8_t> expected(36);
  for (size_t i = 0; i < 36; ++i) expected[i] = uint8_t(2 - i / 12);  // the last stored row first
  EXPECT_EQ(Bytes(rows, 36), expected);
}

}  // namespace
}  // namespace vorbexia::test
