// Each pixel layout the reader converts, against a small known picture.
#include <gtest/gtest.h>

#include "dib_bytes.h"

namespace vorbexia::test {
namespace {

std::unique_ptr<RgbImage> DecodeOk(const Bytes& file) {
  BoxLog log;
  auto image = Decode(file.data, log);
  EXPECT_TRUE(log.texts.empty()) << log.texts.front();
  return image;
}

std::string DecodeFails(const Bytes& file) {
  BoxLog log;
  EXPECT_EQ(Decode(file.data, log), nullptr);
  EXPECT_EQ(log.texts.size(), 1u);
  return log.texts.empty() ? "" : log.texts.front();
}

TEST(DibLayout, TwentyFourBitsSwapBlueAndRedAndKeepFileRowOrder) {
  const Bytes pixels = Bytes()
      .U8({0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0, 0})   // first stored row: the bottom
      .U8({0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0, 0});
  auto image = DecodeOk(WithFileHeader(InfoHeader(2, 2, 24), pixels));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->width, 2);
  EXPECT_EQ(image->height, 2);
  EXPECT_EQ(image->pixels, Rgb({0x03, 0x02, 0x01, 0x06, 0x05, 0x04,
                                0x09, 0x08, 0x07, 0x0C, 0x0B, 0x0A}));
}

TEST(DibLayout, FivePixelWideRowsDropTheirFillerByte) {
  Bytes pixels;
  PixelBytes expected;
  for (int row = 0; row < 3; ++row) {
    for (int i = 0; i < 5; ++i) {
      const uint8_t b = uint8_t(row * 50 + i * 3);
      pixels.U8({b, uint8_t(b + 1), uint8_t(b + 2)});
      expected.insert(expected.end(), {uint8_t(b + 2), uint8_t(b + 1), b});
    }
    pixels.U8({0xEE});  // 15 bytes plus one filler
  }
  auto image = DecodeOk(WithFileHeader(InfoHeader(5, 3, 24), pixels));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels.size(), 45u);
  EXPECT_EQ(image->pixels, expected);
}

TEST(DibLayout, PixelOffsetIsHonouredAcrossAGap) {
  const Bytes header = InfoHeader(1, 1, 24);
  const Bytes file = FileHeader(14 + 40 + 6).Append(header).U8({0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE})
                         .U8({0x10, 0x20, 0x30, 0});
  auto image = DecodeOk(file);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Rgb({0x30, 0x20, 0x10}));
}

TEST(DibLayout, WithoutFileHeaderPixelsFollowTheTwentyColours) {
  Bytes file = InfoHeader(2, 1, 8, 0, 20);
  for (int i = 0; i < 20; ++i) file.U8({uint8_t(i), uint8_t(100 + i), uint8_t(200 + i), 0});
  file.U8({19, 20, 0, 0});  // index 20 lies beyond the table
  auto image = DecodeOk(file);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Rgb({219, 119, 19, 0, 0, 0}));
}

TEST(DibLayout, EightBitsWithColoursUsedZeroGet256Entries) {
  Bytes file = InfoHeader(1, 1, 8);
  for (int i = 0; i < 256; ++i) file.U8({uint8_t(255 - i), uint8_t(i), 7, 0});
  file.U8({200, 0, 0, 0});  // the pixel lies at 40 + 4 x 256
  auto image = DecodeOk(file);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Rgb({7, 200, 55}));
}

TEST(DibLayout, TwentyFourBitsWithoutFileHeaderStartAtByte40) {
  auto image = DecodeOk(InfoHeader(1, 1, 24).U8({1, 2, 3, 0}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Rgb({3, 2, 1}));
}

TEST(DibLayout, TwentyFourBitsMayCarryAColourTableThatMovesThePixels) {
  auto image = DecodeOk(InfoHeader(1, 1, 24, 0, 2).U32(0xAAAAAA).U32(0xBBBBBB).U8({1, 2, 3, 0}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Rgb({3, 2, 1}));
}

TEST(DibLayout, CoreHeaderFourBitsUsesThreeByteEntries) {
  Bytes file = CoreHeader(3, 1, 4);
  for (int i = 0; i < 16; ++i) file.U8({uint8_t(i), uint8_t(i * 2), uint8_t(i * 3)});  // B, G, R
  file.U8({0x1F, 0x20, 0, 0});  // pixels at 12 + 3 x 16: indices 1, 15, 2
  auto image = DecodeOk(file);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->width, 3);
  EXPECT_EQ(image->pixels, Rgb({3, 2, 1, 45, 30, 15, 6, 4, 2}));
}

TEST(DibLayout, CoreHeaderSizesAreUnsigned) {
  Bytes file = CoreHeader(0xFFFF, 1, 1).U8({0, 0, 0, 0xFF, 0xFF, 0xFF});
  file.Zeros(8192);  // 65535 one-bit pixels
  auto image = DecodeOk(file);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->width, 65535);
  EXPECT_EQ(image->height, 1);
  EXPECT_EQ(image->pixels.size(), 65535u * 3);
}

TEST(DibLayout, OneBitTakesTheHighBitFirst) {
  Bytes file = InfoHeader(10, 1, 1).U32(0x000000).U32(0xFFFFFF).U8({0b10100000, 0b01000000, 0, 0});
  auto image = DecodeOk(file);
  ASSERT_NE(image, nullptr);
  const int expected[10] = {1, 0, 1, 0, 0, 0, 0, 0, 0, 1};
  for (int x = 0; x < 10; ++x) EXPECT_EQ(image->pixels[x * 3], expected[x] * 255) << x;
}

TEST(DibLayout, SixteenBitsWithoutMasksAre555) {
  const Bytes pixels = Bytes().U16(0x7C00).U16(0x03E0).U16(0x001F).U16(0x4210).U16(0x8001).Zeros(2);
  auto image = DecodeOk(WithFileHeader(InfoHeader(5, 1, 16), pixels));
  ASSERT_NE(image, nullptr);
  // 16 of 31 is 131.6 of 255; the top bit is unused.
  EXPECT_EQ(image->pixels, Rgb({255, 0, 0, 0, 255, 0, 0, 0, 255, 132, 132, 132, 0, 0, 8}));
}

TEST(DibLayout, SixteenBitFieldsScaleEachChannel) {
  const Bytes header = InfoHeader(3, 1, 16, 3).U32(0xF800).U32(0x07E0).U32(0x001F);
  const Bytes pixels = Bytes().U16(0xF800).U16(0x0020).U16(0x0010).Zeros(2);
  auto image = DecodeOk(WithFileHeader(header, pixels));
  ASSERT_NE(image, nullptr);
  // 1 of 63 is 4.05 of 255; 16 of 31 is 131.6.
  EXPECT_EQ(image->pixels, Rgb({255, 0, 0, 0, 4, 0, 0, 0, 132}));
}

// Without a file header the masks follow the 40-byte header, then the
// colour table, then the pixels.
TEST(DibLayout, HeaderlessBitFieldsHaveMasksThenColoursThenPixels) {
  const Bytes header = InfoHeader(2, 1, 16, 3, 2).U32(0xF800).U32(0x07E0).U32(0x001F);
  const Bytes table = Bytes().U32(0x00FFFFFF).U32(0x00FFFFFF);
  auto image = DecodeOk(Bytes().Append(header).Append(table).U16(0xF800).U16(0x001F));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Rgb({255, 0, 0, 0, 0, 255}));
  // With a file header the pixel offset decides; the table after the masks
  // does not move them.
  image = DecodeOk(WithFileHeader(Bytes().Append(header).Append(table), Bytes().U16(0x07E0).U16(0)));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Rgb({0, 255, 0, 0, 0, 0}));
}

TEST(DibLayout, ThirtyTwoBitsWithoutMasksAreBlueGreenRedUnused) {
  auto image = DecodeOk(WithFileHeader(InfoHeader(1, 1, 32), Bytes().U8({1, 2, 3, 0xFF})));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Rgb({3, 2, 1}));
}

TEST(DibLayout, ThirtyTwoBitFieldsOfTenBitsScaleDown) {
  const Bytes header = InfoHeader(1, 1, 32, 3).U32(0x3FF00000).U32(0x000FFC00).U32(0x000003FF);
  auto image = DecodeOk(WithFileHeader(header, Bytes().U32((1023u << 20) | (512u << 10) | 1)));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Rgb({255, 128, 0}));  // 512 of 1023 is 127.6; 1 of 1023 is 0.25
}

TEST(DibLayout, BitFieldsMayLeaveAChannelEmpty) {
  const Bytes header = InfoHeader(1, 1, 32, 3).U32(0).U32(0xFF00).U32(0xFF);
  auto image = DecodeOk(WithFileHeader(header, Bytes().U32(0xFFFFFFFF)));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Rgb({0, 255, 255}));
}

TEST(DibLayout, TopDownRowsComeInFileOrderWithTheNegativeHeight) {
  const Bytes pixels = Bytes().U8({1, 1, 1, 0}).U8({2, 2, 2, 0});
  auto image = DecodeOk(WithFileHeader(InfoHeader(1, -2, 24), pixels));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->height, -2);
  EXPECT_EQ(image->pixels, Rgb({1, 1, 1, 2, 2, 2}));
}

TEST(DibLayout, UnconvertibleLayoutsAreConversionErrors) {
  const char* kError = "Image file conversion error.";
  const Bytes row = Bytes().Zeros(4);
  EXPECT_EQ(DecodeFails(WithFileHeader(InfoHeader(1, 1, 2), row)), kError);
  EXPECT_EQ(DecodeFails(WithFileHeader(InfoHeader(1, 1, 0), row)), kError);
  EXPECT_EQ(DecodeFails(WithFileHeader(InfoHeader(1, 1, 24, 4), row)), kError);  // JPEG
  EXPECT_EQ(DecodeFails(WithFileHeader(InfoHeader(1, 1, 24, 3).U32(0xFF).U32(0xFF00).U32(0xFF0000), row)), kError);
  // Masks with a hole, or beyond a 16-bit pixel.
  EXPECT_EQ(DecodeFails(WithFileHeader(InfoHeader(1, 1, 32, 3).U32(0xFF00FF).U32(0).U32(0), row)), kError);
  EXPECT_EQ(DecodeFails(WithFileHeader(InfoHeader(1, 1, 16, 3).U32(0x1F0000).U32(0).U32(0), row)), kError);
}

}  // namespace
}  // namespace vorbexia::test
