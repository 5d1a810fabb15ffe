// ReadDibFile on real files: the open failures, the text of a long name, and
// nothing left open or mapped after any call.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "dib_bytes.h"
#include "temp_directory.h"

namespace vorbexia::test {
namespace {

size_t OpenDescriptors() {
  size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
  return count;
}

// Whether the file is mapped into this process now.
bool IsMapped(const std::string& file) {
  std::ifstream maps("/proc/self/maps");
  std::string line;
  while (std::getline(maps, line)) {
    if (line.find(file) != std::string::npos) return true;
  }
  return false;
}

Bytes SmallPicture() { return WithFileHeader(InfoHeader(1, 1, 24), Bytes().U8({1, 2, 3, 0})); }

TEST(DibFile, MissingEmptyAndDirectoryFailToOpenWithTheName) {
  TempDirectory dir;
  const std::string missing = dir.File("none.bmp");
  const std::string empty = dir.Write("empty.bmp", {});
  for (const std::string& name : {missing, empty, dir.path()}) {
    BoxLog log;
    EXPECT_EQ(ReadDibFile(name.c_str(), log.box()), nullptr);
    EXPECT_EQ(log.texts, std::vector<std::string>{"Failed to open DIB file " + name + ".\n"});
  }
}

TEST(DibFile, SuccessShowsNoBoxAndLeavesNothingOpen) {
  TempDirectory dir;
  const std::string name = dir.Write("one.bmp", SmallPicture().data);
  const size_t descriptors = OpenDescriptors();
  BoxLog log;
  auto image = ReadDibFile(name.c_str(), log.box());
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, Rgb({3, 2, 1}));
  EXPECT_TRUE(log.texts.empty());
  EXPECT_EQ(OpenDescriptors(), descriptors);
  EXPECT_FALSE(IsMapped(name));
}

TEST(DibFile, RefusalsShowWhileMappedAndReleaseAfter) {
  TempDirectory dir;
  const std::string name = dir.Write("v4.bmp", Bytes().U32(108).Zeros(120).data);
  const size_t descriptors = OpenDescriptors();
  bool mapped_during_box = false;
  size_t boxes = 0;
  auto image = ReadDibFile(name.c_str(), [&](const char* text) {
    EXPECT_STREQ(text, "Unknown DIB file format.");
    mapped_during_box = IsMapped(name);
    ++boxes;
  });
  EXPECT_EQ(image, nullptr);
  EXPECT_EQ(boxes, 1u);
  EXPECT_TRUE(mapped_during_box);
  EXPECT_EQ(OpenDescriptors(), descriptors);
  EXPECT_FALSE(IsMapped(name));
}

TEST(DibFile, OpenFailureShowsAfterTheFileIsClosed) {
  TempDirectory dir;
  const std::string empty = dir.Write("empty.bmp", {});
  const size_t descriptors = OpenDescriptors();
  size_t during_box = 0;
  ReadDibFile(empty.c_str(), [&](const char*) { during_box = OpenDescriptors(); });
  EXPECT_EQ(during_box, descriptors);
}

TEST(DibFile, LongNamesAreCutToFitTheText) {
  const std::string name(300, 'n');
  const std::string text = FormatOpenFailure(name.c_str());
  EXPECT_EQ(text.size(), 255u);
  EXPECT_EQ(text, "Failed to open DIB file " + std::string(229, 'n') + ".\n");
  // A name of exactly 229 characters still fits whole; 230 are cut.
  EXPECT_EQ(FormatOpenFailure(std::string(229, 'a').c_str()).size(), 255u);
  EXPECT_EQ(FormatOpenFailure(std::string(230, 'a').c_str()).size(), 255u);
  EXPECT_EQ(FormatOpenFailure("x"), "Failed to open DIB file x.\n");
}

TEST(DibFile, LongNamesAreNotCutInsideACharacter) {
  // 228 ASCII characters, then a two-byte character across the limit.
  const std::string name = std::string(228, 'a') + "\xC5\x82" + "zzz";
  EXPECT_EQ(FormatOpenFailure(name.c_str()), "Failed to open DIB file " + std::string(228, 'a') + ".\n");
}

TEST(DibFile, OverlongMissingNameStillShowsOneText) {
  const std::string name = "/nonexistent/" + std::string(400, 'q') + ".bmp";
  BoxLog log;
  EXPECT_EQ(ReadDibFile(name.c_str(), log.box()), nullptr);
  ASSERT_EQ(log.texts.size(), 1u);
  EXPECT_EQ(log.texts[0].size(), 255u);
  EXPECT_EQ(log.texts[0].substr(log.texts[0].size() - 2), ".\n");
}

}  // namespace
}  // namespace vorbexia::test
