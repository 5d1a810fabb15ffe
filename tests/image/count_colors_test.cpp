// How many colour-table entries an image header announces.
#include <gtest/gtest.h>

#include "dib_bytes.h"

namespace vorbexia::test {
namespace {

uint16_t Count(const Bytes& header) { return CountDibColors(header.data.data(), header.size()); }

TEST(CountDibColors, BitCountsGiveTheirTableSizes) {
  EXPECT_EQ(Count(InfoHeader(1, 1, 1)), 2);
  EXPECT_EQ(Count(InfoHeader(1, 1, 4)), 16);
  EXPECT_EQ(Count(InfoHeader(1, 1, 8)), 256);
  for (uint16_t bits : {0, 2, 16, 24, 32, 3, 48}) EXPECT_EQ(Count(InfoHeader(1, 1, bits)), 0) << bits;
}

TEST(CountDibColors, ColoursUsedWinsWhateverTheBitCount) {
  EXPECT_EQ(Count(InfoHeader(1, 1, 8, 0, 20)), 20);
  EXPECT_EQ(Count(InfoHeader(1, 1, 24, 0, 3)), 3);
  EXPECT_EQ(Count(InfoHeader(1, 1, 1, 0, 300)), 300);
}

TEST(CountDibColors, KeptModulo65536) {
  EXPECT_EQ(Count(InfoHeader(1, 1, 8, 0, 65536)), 0);
  EXPECT_EQ(Count(InfoHeader(1, 1, 8, 0, 65537)), 1);
  EXPECT_EQ(Count(InfoHeader(1, 1, 8, 0, 0xFFFFFFFF)), 65535);
}

TEST(CountDibColors, CoreHeadersReadOnlyTheirBitCount) {
  EXPECT_EQ(Count(CoreHeader(1, 1, 1)), 2);
  EXPECT_EQ(Count(CoreHeader(1, 1, 4)), 16);
  EXPECT_EQ(Count(CoreHeader(1, 1, 8)), 256);
  EXPECT_EQ(Count(CoreHeader(1, 1, 24)), 0);
  // Bytes after a core header that would be an info header's colours used.
  EXPECT_EQ(Count(CoreHeader(1, 1, 24).Zeros(20).U32(7)), 0);
}

TEST(CountDibColors, OtherHeaderSizesAreReadAsInfoHeaders) {
  Bytes v4 = InfoHeader(1, 1, 4);
  v4.data[0] = 108;
  EXPECT_EQ(Count(v4), 16);
}

TEST(CountDibColors, FieldsTheHeaderLacksReadAsZero) {
  const Bytes header = InfoHeader(1, 1, 8, 0, 20);
  EXPECT_EQ(CountDibColors(header.data.data(), 34), 256);  // colours used cut off
  EXPECT_EQ(CountDibColors(header.data.data(), 15), 0);    // bit count cut off
  EXPECT_EQ(CountDibColors(header.data.data(), 0), 0);
}

}  // namespace
}  // namespace vorbexia::test
