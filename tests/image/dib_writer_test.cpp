// The writer behind the texture generator: every layout it writes reads back
// as the picture it was given, through the game's reader.
#include <gtest/gtest.h>

#include "dib_bytes.h"
#include "image/dib_writer.h"

namespace vorbexia::test {
namespace {

constexpr int kWidth = 7, kHeight = 5;  // odd sizes: row filler and odd nibbles

DibPicture DirectPicture() {
  DibPicture picture;
  picture.width = kWidth;
  picture.height = kHeight;
  for (int i = 0; i < kWidth * kHeight; ++i) {
    picture.rgb.insert(picture.rgb.end(), {uint8_t(i * 37), uint8_t(255 - i * 5), uint8_t(i * 71 + 3)});
  }
  return picture;
}

// Long runs of black (skipped by deltas), runs and mixed stretches.
DibPicture IndexedPicture(int colors) {
  DibPicture picture;
  picture.width = kWidth;
  picture.height = kHeight;
  picture.palette.push_back(0x000000);
  for (int i = 1; i < colors; ++i) picture.palette.push_back(0x010203u * uint32_t(i) + 0x400000);
  const int rows[kHeight][kWidth] = {
      {0, 0, 0, 0, 0, 1, 2}, {3, 3, 3, 3, 1, 2, 3}, {1, 2, 1, 2, 1, 2, 1},
      {0, 0, 0, 0, 0, 0, 0}, {2, 0, 0, 0, 0, 3, 0}};
  for (const auto& row : rows) {
    for (int index : row) picture.indices.push_back(uint8_t(index));
  }
  return picture;
}

PixelBytes ExpectedIndexed(const DibPicture& picture) {
  PixelBytes rgb;
  for (uint8_t index : picture.indices) {
    const uint32_t c = picture.palette[index];
    rgb.insert(rgb.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
  }
  return rgb;
}

// What a channel keeps of 8 bits in `bits` bits, scaled back to 8 bits.
uint8_t Quantised(uint8_t v, int bits) {
  const int max = (1 << bits) - 1;
  return uint8_t(((v >> (8 - bits)) * 255 + max / 2) / max);
}

std::unique_ptr<RgbImage> RoundTrip(const DibPicture& picture, DibLayout layout, bool file_header) {
  BoxLog log;
  auto image = Decode(EncodeDib(picture, layout, file_header), log);
  EXPECT_TRUE(log.texts.empty()) << log.texts.front();
  if (image != nullptr) {
    EXPECT_EQ(image->width, kWidth);
    EXPECT_EQ(image->height, kHeight);
  }
  return image;
}

TEST(DibWriter, DirectLayoutsReadBackExactly) {
  const DibPicture picture = DirectPicture();
  const PixelBytes expected(picture.rgb.begin(), picture.rgb.end());
  for (bool file_header : {true, false}) {
    auto image = RoundTrip(picture, DibLayout::kRgb24, file_header);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixels, expected);
  }
  for (bool file_header : {true, false}) {
    auto image = RoundTrip(picture, DibLayout::kBitfields32, file_header);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixels, expected);
  }
}

TEST(DibWriter, SixteenBitLayoutsKeepTheHighBits) {
  const DibPicture picture = DirectPicture();
  PixelBytes expected555, expected565;
  for (size_t i = 0; i < picture.rgb.size(); i += 3) {
    for (int c = 0; c < 3; ++c) {
      expected555.push_back(Quantised(picture.rgb[i + c], 5));
      expected565.push_back(Quantised(picture.rgb[i + c], c == 1 ? 6 : 5));
    }
  }
  auto image = RoundTrip(picture, DibLayout::kRgb555, false);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, expected555);
  for (bool file_header : {true, false}) {
    image = RoundTrip(picture, DibLayout::kBitfields565, file_header);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixels, expected565);
  }
}

TEST(DibWriter, IndexedLayoutsReadBackThroughTheirPalettes) {
  struct Case { DibLayout layout; int colors; bool file_header; };
  for (const Case& c : {Case{DibLayout::kIndexed8, 256, true}, Case{DibLayout::kIndexed8, 4, false},
                        Case{DibLayout::kIndexed4Core, 16, true}, Case{DibLayout::kIndexed4Core, 16, false},
                        Case{DibLayout::kRle8, 256, true}, Case{DibLayout::kRle8, 4, false},
                        Case{DibLayout::kRle4, 16, true}, Case{DibLayout::kRle4, 5, false}}) {
    const DibPicture picture = IndexedPicture(c.colors);
    auto image = RoundTrip(picture, c.layout, c.file_header);
    ASSERT_NE(image, nullptr) << int(c.layout);
    EXPECT_EQ(image->pixels, ExpectedIndexed(picture)) << int(c.layout) << " " << c.colors;
  }
}

TEST(DibWriter, RunLengthStreamsSkipBlackWithDeltas) {
  const std::vector<uint8_t> file = EncodeDib(IndexedPicture(4), DibLayout::kRle8, true);
  const size_t pixels = file[10] | file[11] << 8;
  bool has_delta = false;
  for (size_t i = pixels; i + 1 < file.size(); i += 2) {
    if (file[i] == 0 && file[i + 1] == 2) has_delta = true;
  }
  EXPECT_TRUE(has_delta);
}

}  // namespace
}  // namespace vorbexia::test
