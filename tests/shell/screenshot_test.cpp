// Screenshots on disk: a PNG by default, or the bitmap the game's own reader
// gets the very pixels back from; a name taken is never overwritten, and a
// folder that cannot be made is a one-line reason.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "image/dib_reader.h"
#include "image/png_writer.h"
#include "image/temp_directory.h"
#include "shell/screenshot.h"

namespace vorbexia {
namespace {

std::tm Time() {
  std::tm t{};
  t.tm_year = 2026 - 1900, t.tm_mon = 11, t.tm_mday = 8;
  t.tm_hour = 7, t.tm_min = 31, t.tm_sec = 5;
  return t;
}

// 3 x 2 pixels: an odd width, so that the file's rows carry filler bytes.
RgbImage Picture() {
  RgbImage image;
  image.width = 3;
  image.height = 2;
  for (int i = 0; i < 18; ++i) image.pixels.push_back(static_cast<uint8_t>(i * 14 + 1));
  return image;
}

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

constexpr auto kPng = ScreenshotFormat::kPng;

TEST(Screenshot, NamedByTheLocalDateAndTime) {
  EXPECT_EQ(ScreenshotFileName(Time(), kPng), "vorbexia-2026-12-08-07-31-05.png");
  EXPECT_EQ(ScreenshotFileName(Time(), ScreenshotFormat::kBmp), "vorbexia-2026-12-08-07-31-05.bmp");
}

TEST(Screenshot, TheGamesReaderDecodesTheSamePixelsOfABmpInAFolderMadeForIt) {
  test::TempDirectory temp;
  const std::string folder = temp.File("Pictures/Vorbexia");
  std::string path, error;
  ASSERT_TRUE(SaveScreenshot(folder, Picture(), ScreenshotFormat::kBmp, Time(), path, error))
      << error;
  EXPECT_EQ(std::filesystem::path(path), std::filesystem::path(folder) /
                                             "vorbexia-2026-12-08-07-31-05.bmp");
  std::string boxes;
  const auto read = ReadDibFile(path.c_str(), [&](const char* text) { boxes += text; });
  ASSERT_TRUE(read) << boxes;
  EXPECT_EQ(read->width, 3);
  EXPECT_EQ(read->height, 2);
  EXPECT_EQ(read->pixels, Picture().pixels);
}

TEST(Screenshot, APngNeverOverwritesAFile) {
  test::TempDirectory temp;
  const std::string taken = temp.Write("vorbexia-2026-12-08-07-31-05.png", {'k', 'e', 'e', 'p'});
  std::string first, second, error;
  ASSERT_TRUE(SaveScreenshot(temp.path(), Picture(), kPng, Time(), first, error)) << error;
  ASSERT_TRUE(SaveScreenshot(temp.path(), Picture(), kPng, Time(), second, error)) << error;
  EXPECT_EQ(std::filesystem::path(first).filename(), "vorbexia-2026-12-08-07-31-05-2.png");
  EXPECT_EQ(std::filesystem::path(second).filename(), "vorbexia-2026-12-08-07-31-05-3.png");
  EXPECT_EQ(Contents(taken), "keep");
  const std::vector<uint8_t> png = EncodePng(Picture());  // the encoder's file, whole
  EXPECT_EQ(Contents(first), std::string(png.begin(), png.end()));
  EXPECT_EQ(Contents(first), Contents(second));
}

TEST(Screenshot, AFolderThatCannotBeMadeSaysWhyInOneLine) {
  test::TempDirectory temp;
  const std::string file = temp.Write("file", {'x'});
  std::string path, error;
  EXPECT_FALSE(SaveScreenshot(file + "/Vorbexia", Picture(), kPng, Time(), path, error));
  EXPECT_NE(error.find(file + "/Vorbexia"), std::string::npos) << error;
  EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  EXPECT_FALSE(std::filesystem::exists(file + "/Vorbexia"));
}

#ifndef _WIN32  // a file-size limit: POSIX only
// Killed in the middle of writing (by a size limit nothing ignores here): no
// cut picture is left under a screenshot's name.
TEST(Screenshot, AWriteCutShortLeavesNoPictureUnderItsName) {
  test::TempDirectory temp;
  std::string path, error;
  const rlimit limit{20, 20};
  EXPECT_EXIT(setrlimit(RLIMIT_FSIZE, &limit);
              SaveScreenshot(temp.path(), Picture(), kPng, Time(), path, error),
              ::testing::KilledBySignal(SIGXFSZ), "");
  EXPECT_FALSE(std::filesystem::exists(temp.File(ScreenshotFileName(Time(), kPng))));
}
#endif

}  // namespace
}  // namespace vorbexia
