// The game's picture files: the seven committed pictures decode as the
// texture upload needs them, and the probe before the reader is silent.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "dib_bytes.h"
#include "image/image_file.h"
#include "temp_directory.h"
#include "texture_directory.h"

namespace vorbexia::test {
namespace {

std::vector<uint8_t> ReadBytes(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(TextureFiles, AllSevenDecodeAsUploadablePictures) {
  for (int slot = 0; slot < 7; ++slot) {
    BoxLog log;
    auto image = ReadDibFile(TexturePath(slot).c_str(), log.box());
    ASSERT_NE(image, nullptr) << kTextureNames[slot];
    EXPECT_TRUE(log.texts.empty());
    // Powers of two for OpenGL 1.1; rows of 3 x width bytes a multiple of 4
    // for the default unpack alignment; bottom row first.
    EXPECT_TRUE(image->width == 128 || image->width == 256) << kTextureNames[slot];
    EXPECT_EQ(image->height, image->width) << kTextureNames[slot];
    EXPECT_EQ(image->width * 3 % 4, 0);
  }
}

// (has file header, header size, bit count, compression) of each file.
TEST(TextureFiles, EachUsesAnotherLayout) {
  std::set<std::tuple<bool, uint32_t, uint16_t, uint32_t>> layouts;
  for (int slot = 0; slot < 7; ++slot) {
    const std::vector<uint8_t> file = ReadBytes(TexturePath(slot));
    ASSERT_GE(file.size(), 54u);
    const bool has_file_header = file[0] == 'B' && file[1] == 'M';
    const uint8_t* header = file.data() + (has_file_header ? 14 : 0);
    const uint32_t size = header[0] | header[1] << 8;
    const uint16_t bits = size == 12 ? header[10] : header[14];
    const uint32_t compression = size == 12 ? 0 : header[16];
    layouts.insert({has_file_header, size, bits, compression});
  }
  EXPECT_EQ(layouts.size(), 7u);
}

TEST_F(TextureDirectory, ProbeIsSilent) {
  BoxLog log;
  EXPECT_EQ(LoadImageFile(nullptr, log.box()), nullptr);
  Remove(4);
  EXPECT_EQ(LoadImageFile("textures/qq.bmp", log.box()), nullptr);
  EXPECT_TRUE(log.texts.empty());
  EXPECT_NE(LoadImageFile("textures/brick.bmp", log.box()), nullptr);
  EXPECT_TRUE(log.texts.empty());
}

TEST_F(TextureDirectory, EmptyFilePassesTheProbeAndFailsInTheReader) {
  Replace(0, {});
  BoxLog log;
  EXPECT_EQ(LoadImageFile("textures/brick.bmp", log.box()), nullptr);
  EXPECT_EQ(log.texts, std::vector<std::string>{"Failed to open DIB file textures/brick.bmp.\n"});
}

}  // namespace
}  // namespace vorbexia::test
