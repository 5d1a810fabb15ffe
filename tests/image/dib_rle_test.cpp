// Run-length encoded pixels: runs, absolute runs and their padding, end of
// line, end of bitmap, deltas, and streams clipped at their rows and the file.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include "dib_bytes.h"

namespace vorbexia::test {
namespace {

constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;

// Colour i of the test palette is (i, 16 + i, 32 + i); `count` entries.
Bytes HeaderWithPalette(int32_t width, int32_t height, uint16_t bits, uint32_t compression,
                        int count) {
  Bytes header = InfoHeader(width, height, bits, compression, uint32_t(count));
  for (int i = 0; i < count; ++i) header.U8({uint8_t(32 + i), uint8_t(16 + i), uint8_t(i), 0});
  return header;
}

// The expected picture: one palette index per pixel, -1 for black.
PixelBytes Expect(std::initializer_list<int> indices) {
  PixelBytes rgb;
  for (int i : indices) {
    if (i < 0) rgb.insert(rgb.end(), {0, 0, 0});
    else rgb.insert(rgb.end(), {uint8_t(i), uint8_t(16 + i), uint8_t(32 + i)});
  }
  return rgb;
}

std::unique_ptr<RgbImage> DecodeRle(const Bytes& header, const Bytes& stream) {
  BoxLog log;
  auto image = Decode(WithFileHeader(header, stream).data, log);
  EXPECT_TRUE(log.texts.empty()) << log.texts.front();
  return image;
}

TEST(DibRle8, RunsAbsoluteRunsAndLineEnds) {
  const Bytes stream = Bytes()
      .U8({3, 1}).U8({0, 0})                    // 1 1 1, then the line ends early
      .U8({0, 3, 2, 3, 1, 0}).U8({1, 2})        // absolute 2 3 1 padded to 16 bits, run 2
      .U8({0, 1});
  auto image = DecodeRle(HeaderWithPalette(4, 2, 8, kRle8, 4), stream);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Expect({1, 1, 1, -1, 2, 3, 1, 2}));
}

TEST(DibRle8, DeltaSkipsPixelsThatStayBlack) {
  const Bytes stream = Bytes().U8({1, 1}).U8({0, 2, 2, 1}).U8({1, 2}).U8({0, 1});
  auto image = DecodeRle(HeaderWithPalette(4, 3, 8, kRle8, 4), stream);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Expect({1, -1, -1, -1,  -1, -1, -1, 2,  -1, -1, -1, -1}));
}

TEST(DibRle8, EndOfBitmapLeavesTheRestBlack) {
  const Bytes stream = Bytes().U8({2, 3}).U8({0, 1}).U8({2, 1});  // the last run is never read
  auto image = DecodeRle(HeaderWithPalette(2, 2, 8, kRle8, 4), stream);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Expect({3, 3, -1, -1}));
}

TEST(DibRle8, RunsPastTheRowEndAreClippedNotWrapped) {
  const Bytes stream = Bytes().U8({6, 1}).U8({0, 0}).U8({0, 4, 2, 2, 2, 3}).U8({0, 1});
  auto image = DecodeRle(HeaderWithPalette(3, 2, 8, kRle8, 4), stream);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Expect({1, 1, 1, 2, 2, 2}));
}

TEST(DibRle8, StreamsPastTheLastRowAreClipped) {
  const Bytes stream = Bytes().U8({1, 1}).U8({0, 0}).U8({5, 2}).U8({0, 2, 0, 200}).U8({9, 3});
  auto image = DecodeRle(HeaderWithPalette(1, 1, 8, kRle8, 4), stream);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Expect({1}));
}

TEST(DibRle8, StreamsCutByTheFileEndAreClipped) {
  // An absolute run of 5 of which the file holds 2, with no padding and no
  // end of bitmap; then a delta cut after its escape.
  auto image = DecodeRle(HeaderWithPalette(6, 1, 8, kRle8, 4), Bytes().U8({0, 5, 1, 2}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Expect({1, 2, -1, -1, -1, -1}));
  image = DecodeRle(HeaderWithPalette(2, 1, 8, kRle8, 4), Bytes().U8({1, 3, 0, 2}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Expect({3, -1}));
}

TEST(DibRle8, IndicesBeyondTheTableAreBlack) {
  auto image = DecodeRle(HeaderWithPalette(2, 1, 8, kRle8, 2), Bytes().U8({1, 1, 1, 5, 0, 1}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Expect({1, -1}));
}

// A picture whose stream goes on for 64 MiB past its first page, all of it
// unreadable: decoding must stop before it, once nothing more can be drawn.
std::unique_ptr<RgbImage> DecodeBeforeALongUnreadableStream(const Bytes& header, const Bytes& start) {
  const size_t page = size_t(sysconf(_SC_PAGESIZE));
  const size_t size = page + (size_t{64} << 20);
  void* block = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (block == MAP_FAILED) return nullptr;
  auto* file = static_cast<uint8_t*>(block);
  const Bytes head = WithFileHeader(header, start);
  std::copy(head.data.begin(), head.data.end(), file);
  for (size_t i = head.size(); i + 1 < page; i += 2) file[i] = 255, file[i + 1] = 2;  // runs
  mprotect(file + page, size - page, PROT_NONE);
  BoxLog log;
  auto image = ReadDibMemory(file, size, log.box());
  munmap(block, size);
  EXPECT_TRUE(log.texts.empty());
  return image;
}

TEST(DibRle8, StopsWhenEveryPixelIsDrawn) {
  auto image = DecodeBeforeALongUnreadableStream(HeaderWithPalette(1, 1, 8, kRle8, 4), Bytes());
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Expect({2}));
}

TEST(DibRle8, StopsWhenThePositionLeavesTheLastRow) {
  const Bytes start = Bytes().U8({1, 1}).U8({0, 2, 5, 0});  // one pixel, then 5 to the right
  auto image = DecodeBeforeALongUnreadableStream(HeaderWithPalette(2, 1, 8, kRle8, 4), start);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Expect({1, -1}));
}

TEST(DibRle8, LongStreamsPastTheRowEndAreSkippedRunByRun) {
  constexpr uint8_t kPastTheEnd[8] = {255, 3, 0, 3, 3, 3, 3, 0};  // a run, an absolute block
  Bytes stream;
  stream.U8({1, 1});
  stream.data.resize(2 + (size_t{32} << 20));
  for (size_t i = 2; i < stream.size(); ++i) stream.data[i] = kPastTheEnd[(i - 2) % 8];
  stream.U8({0, 0, 1, 2, 0, 1});
  auto image = DecodeRle(HeaderWithPalette(1, 2, 8, kRle8, 4), stream);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Expect({1, 2}));
}

TEST(DibRle4, RunsAlternateTheirTwoNibbles) {
  const Bytes stream = Bytes()
      .U8({5, 0x12}).U8({0, 3, 0x34, 0x50}).U8({0, 0})            // 1 2 1 2 1, 3 4 5
      .U8({0, 5, 0x67, 0x89, 0xA0, 0x00}).U8({3, 0xBB}).U8({0, 1});  // 6 7 8 9 10 padded, 11 11 11
  auto image = DecodeRle(HeaderWithPalette(8, 2, 4, kRle4, 16), stream);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Expect({1, 2, 1, 2, 1, 3, 4, 5,  6, 7, 8, 9, 10, 11, 11, 11}));
}

TEST(DibRle4, AbsoluteRunCutByTheFileEnd) {
  auto image = DecodeRle(HeaderWithPalette(4, 1, 4, kRle4, 16), Bytes().U8({0, 4, 0x12}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Expect({1, 2, -1, -1}));
}

TEST(DibRle, RefusedForTopDownRowsAndForeignBitCounts) {
  for (const Bytes& header : {HeaderWithPalette(2, -2, 8, kRle8, 4),
                              HeaderWithPalette(2, 2, 4, kRle8, 4),
                              HeaderWithPalette(2, 2, 8, kRle4, 4)}) {
    BoxLog log;
    EXPECT_EQ(Decode(WithFileHeader(header, Bytes().U8({2, 1, 0, 1})).data, log), nullptr);
    EXPECT_EQ(log.texts, std::vector<std::string>{"Image file conversion error."});
  }
}

}  // namespace
}  // namespace vorbexia::test
