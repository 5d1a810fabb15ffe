// A file cut short while it is mapped: the bytes it lost read as zeros, the
// reader says "Image file conversion error.", and nothing crashes. Any other
// SIGBUS still ends the program.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <numeric>

#include "dib_bytes.h"
#include "image/dib_writer.h"
#include "image/mapped_file.h"
#include "temp_directory.h"

namespace vorbexia::test {
namespace {

TEST(MappedFile, BytesLostWhileMappedReadAsZeros) {
  TempDirectory dir;
  const std::string name = dir.Write("three_pages.bin", std::vector<uint8_t>(3 * 4096, 1));
  const auto file = MappedFile::Open(name.c_str());
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(truncate(name.c_str(), 100), 0);
  size_t sum = 0;
  EXPECT_FALSE(file->ReadGuarded([&](const uint8_t* data, size_t size) {
    sum = std::accumulate(data, data + size, size_t{0});
  }));
  EXPECT_EQ(sum, 100u);
}

TEST(MappedFile, PictureCutShortWhileReadIsAConversionError) {
  DibPicture picture;
  picture.width = picture.height = 64;
  picture.rgb.assign(64 * 64 * 3, 200);
  TempDirectory dir;
  const std::string name = dir.Write("cut.bmp", EncodeDib(picture, DibLayout::kRgb24, true));
  const auto file = MappedFile::Open(name.c_str());
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(truncate(name.c_str(), 1000), 0);
  BoxLog log;
  EXPECT_EQ(ReadDibMapped(*file, log.box()), nullptr);
  EXPECT_EQ(log.texts, std::vector<std::string>{"Image file conversion error."});
}

TEST(MappedFileDeathTest, OtherBusErrorsStillEndTheProgram) {
  TempDirectory dir;
  const std::string name = dir.Write("one.bin", {1});
  const auto file = MappedFile::Open(name.c_str());
  ASSERT_NE(file, nullptr);
  EXPECT_DEATH(file->ReadGuarded([](const uint8_t*, size_t) { raise(SIGBUS); }), "");
}

}  // namespace
}  // namespace vorbexia::test
