// The reader's refusals: one text per failure, in the order the checks come,
// and never a read past the end of the file (these run under
// AddressSanitizer, and every file lies in a heap block of its exact size).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "dib_bytes.h"

namespace vorbexia::test {
namespace {

constexpr char kUnknown[] = "Unknown DIB file format.";
constexpr char kConversion[] = "Image file conversion error.";

std::vector<std::string> Boxes(const Bytes& file) {
  BoxLog log;
  EXPECT_EQ(Decode(file.data, log), nullptr);
  return log.texts;
}

std::vector<std::string> One(const char* text) { return {text}; }

TEST(DibFailure, LaterHeaderKindsAreUnknown) {
  for (uint32_t size : {108u, 124u, 64u, 0u, 41u, 11u}) {
    Bytes file = FileHeader(14 + 124).U32(size).Zeros(120).Zeros(4);
    EXPECT_EQ(Boxes(file), One(kUnknown)) << size;
    EXPECT_EQ(Boxes(Bytes().U32(size).Zeros(200)), One(kUnknown)) << size;
  }
}

TEST(DibFailure, UnknownKindComesBeforeAnyShortness) {
  EXPECT_EQ(Boxes(Bytes().U32(108)), One(kUnknown));  // nothing but the size field
}

TEST(DibFailure, SizesOfZeroAndNegativeWidthsAreConversionErrors) {
  const Bytes row = Bytes().Zeros(16);
  EXPECT_EQ(Boxes(WithFileHeader(InfoHeader(0, 1, 24), row)), One(kConversion));
  EXPECT_EQ(Boxes(WithFileHeader(InfoHeader(1, 0, 24), row)), One(kConversion));
  EXPECT_EQ(Boxes(WithFileHeader(InfoHeader(-1, 1, 24), row)), One(kConversion));
  EXPECT_EQ(Boxes(WithFileHeader(CoreHeader(0, 1, 24), row)), One(kConversion));
}

std::vector<std::string> TooLarge(const char* size) {
  return {std::string("Image too large: ") + size + " pixels (over 256 MiB)."};
}

TEST(DibFailure, OutputsOver256MiBAreTooLargeBeforeTheRowsAreLookedAt) {
  const Bytes row = Bytes().Zeros(4);
  // 16384 x 5462 x 3 bytes is just over 256 MiB; 5461 rows just under, so
  // that file is refused only for its missing rows.
  EXPECT_EQ(Boxes(WithFileHeader(InfoHeader(16384, 5462, 24), row)), TooLarge("16384 x 5462"));
  EXPECT_EQ(Boxes(WithFileHeader(InfoHeader(16384, 5461, 24), row)), One(kConversion));
  EXPECT_EQ(Boxes(WithFileHeader(InfoHeader(0x7FFFFFFF, 0x7FFFFFFF, 24), row)),
            TooLarge("2147483647 x 2147483647"));
  EXPECT_EQ(Boxes(WithFileHeader(InfoHeader(65536, INT32_MIN, 1).U32(0).U32(0), row)),
            TooLarge("65536 x 2147483648"));
  EXPECT_EQ(Boxes(WithFileHeader(CoreHeader(0xFFFF, 0xFFFF, 24), row)), TooLarge("65535 x 65535"));
  // Compressed pictures too: a tiny stream may not claim a huge picture.
  EXPECT_EQ(Boxes(WithFileHeader(InfoHeader(100000, 100000, 8, 1, 1).U32(0), Bytes().U8({0, 1}))),
            TooLarge("100000 x 100000"));
  // 70 bytes claiming two thousand million pixels in a row.
  const Bytes wide = WithFileHeader(InfoHeader(2000000000, 1, 24), Bytes().Zeros(16));
  ASSERT_EQ(wide.size(), 70u);
  EXPECT_EQ(Boxes(wide), TooLarge("2000000000 x 1"));
}

TEST(DibFailure, ShortColourTablesMasksAndRowsAreConversionErrors) {
  // 8 bits announce 256 entries; the file holds 10.
  EXPECT_EQ(Boxes(InfoHeader(1, 1, 8).Zeros(40)), One(kConversion));
  // Masks cut after two of three.
  EXPECT_EQ(Boxes(FileHeader(66).Append(InfoHeader(1, 1, 32, 3)).U32(0xFF).U32(0xFF00)),
            One(kConversion));
  // Two rows of five 24-bit pixels need 16 + 15 bytes.
  const Bytes header = InfoHeader(5, 2, 24);
  EXPECT_EQ(Boxes(WithFileHeader(header, Bytes().Zeros(30))), One(kConversion));
  BoxLog log;
  EXPECT_NE(Decode(WithFileHeader(header, Bytes().Zeros(31)).data, log), nullptr);  // no last filler
  EXPECT_TRUE(log.texts.empty());
}

TEST(DibFailure, PixelOffsetAtOrPastTheEndIsAConversionError) {
  const Bytes file = FileHeader(14 + 40 + 4).Append(InfoHeader(1, 1, 24)).U8({1, 2, 3, 0});
  EXPECT_EQ(Boxes(file), One(kConversion));
  EXPECT_EQ(Boxes(FileHeader(0xFFFFFFFF).Append(InfoHeader(1, 1, 24)).U8({1, 2, 3, 0})),
            One(kConversion));
}

TEST(DibFailure, FilesTooShortForAHeaderAreConversionErrors) {
  EXPECT_EQ(Boxes(Bytes()), One(kConversion));
  EXPECT_EQ(Boxes(Bytes().U8({'B'})), One(kConversion));
  EXPECT_EQ(Boxes(Bytes().U8({'B', 'M'})), One(kConversion));
  EXPECT_EQ(Boxes(FileHeader(54).U8({40, 0})), One(kConversion));
  EXPECT_EQ(Boxes(Bytes().U32(40).Zeros(20)), One(kConversion));  // info header cut at 24
  EXPECT_EQ(Boxes(Bytes().U32(12).U16(1).U16(1)), One(kConversion));
}

// Every prefix of a file is either refused with one of the texts or decoded
// into a picture of its announced size.
void ExpectEveryPrefixSafe(const std::vector<uint8_t>& whole, size_t step) {
  for (size_t length = 0; length < whole.size(); length += step) {
    BoxLog log;
    auto image = Decode(std::vector<uint8_t>(whole.begin(), whole.begin() + length), log);
    if (image != nullptr) {
      EXPECT_TRUE(log.texts.empty());
      EXPECT_EQ(image->pixels.size(),
                size_t(image->width) * size_t(std::abs(int64_t{image->height})) * 3);
    } else {
      ASSERT_EQ(log.texts.size(), 1u) << length;
      EXPECT_TRUE(log.texts[0] == kConversion || log.texts[0] == kUnknown) << length;
    }
  }
}

TEST(DibFailure, EveryPrefixOfSmallFilesIsSafe) {
  Bytes indexed = InfoHeader(3, 2, 4, 0, 3).U32(1).U32(2).U32(3).U8({0x12, 0x00, 0, 0, 0x21, 0, 0, 0});
  Bytes rle8 = WithFileHeader(InfoHeader(4, 2, 8, 1, 2).U32(0x123456).U32(0xABCDEF),
                              Bytes().U8({2, 1, 0, 3, 0, 1, 0, 0, 0, 0, 0, 2, 1, 1, 1, 0, 0, 1}));
  Bytes fields = WithFileHeader(InfoHeader(2, 2, 16, 3).U32(0xF800).U32(0x07E0).U32(0x1F),
                                Bytes().U32(0x12345678).U32(0x9ABCDEF0));
  Bytes core = CoreHeader(2, 2, 1).U8({0, 0, 0, 255, 255, 255, 0x80, 0, 0, 0, 0x40, 0, 0, 0});
  for (const Bytes* file : {&indexed, &rle8, &fields, &core}) {
    ExpectEveryPrefixSafe(file->data, 1);
  }
}

TEST(DibFailure, TruncatedTexturesAreSafe) {
  for (const char* name : {"brick", "deska", "panel", "niebieski", "qq", "robot", "plasma"}) {
    std::ifstream in(std::string("textures/") + name + ".bmp", std::ios::binary);
    ASSERT_TRUE(in) << name;
    const std::vector<uint8_t> whole{std::istreambuf_iterator<char>(in), {}};
    ExpectEveryPrefixSafe(whole, whole.size() / 97 + 1);
    ExpectEveryPrefixSafe(std::vector<uint8_t>(whole.begin(), whole.begin() + 1100), 1);
  }
}

TEST(DibFailure, TruncatedUncompressedTexturesAreRefused) {
  std::ifstream in("textures/brick.bmp", std::ios::binary);
  const std::vector<uint8_t> whole{std::istreambuf_iterator<char>(in), {}};
  ASSERT_GT(whole.size(), 1000u);
  BoxLog log;
  EXPECT_EQ(Decode(std::vector<uint8_t>(whole.begin(), whole.end() - 1), log), nullptr);
  EXPECT_EQ(log.texts, One(kConversion));
}

}  // namespace
}  // namespace vorbexia::test
