// The texture set: the seven committed pictures, the silent probe, and the
// upload into a real GL context (skipped without a display).
#include <gtest/gtest.h>
#include <GL/gl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <tuple>

#include "dib_bytes.h"
#include "image/textures.h"
#include "support/gl_test_context.h"
#include "temp_directory.h"

namespace vorbexia::test {
namespace {

const char* const kNames[7] = {"brick", "deska", "panel", "niebieski", "qq", "robot", "plasma"};

std::string TexturePath(int slot) { return std::string("textures/") + kNames[slot] + ".bmp"; }

std::vector<uint8_t> ReadBytes(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(TextureFiles, AllSevenDecodeAsUploadablePictures) {
  for (int slot = 0; slot < 7; ++slot) {
    BoxLog log;
    auto image = ReadDibFile(TexturePath(slot).c_str(), log.box());
    ASSERT_NE(image, nullptr) << kNames[slot];
    EXPECT_TRUE(log.texts.empty());
    // Powers of two for OpenGL 1.1; rows of 3 x width bytes a multiple of 4
    // for the default unpack alignment; bottom row first.
    EXPECT_TRUE(image->width == 128 || image->width == 256) << kNames[slot];
    EXPECT_EQ(image->height, image->width) << kNames[slot];
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

// Runs a test inside a directory of its own that holds a copy of textures/.
class TextureDirectory : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::filesystem::copy(previous_ / "textures", std::filesystem::path(dir_.path()) / "textures");
    std::filesystem::current_path(dir_.path());
  }
  void TearDown() override { std::filesystem::current_path(previous_); }

  void Replace(int slot, const std::vector<uint8_t>& bytes) {
    dir_.Write(TexturePath(slot), bytes);
  }
  void Remove(int slot) { std::filesystem::remove(dir_.File(TexturePath(slot))); }

  TempDirectory dir_;
  std::filesystem::path previous_;
};

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

TEST_F(TextureDirectory, AllSevenUploadedIntoSlotsZeroToSix) {
  GlTestContext gl;
  VORBEXIA_REQUIRE_GL(gl);
  TextureTable textures{};
  BoxLog log;
  ASSERT_TRUE(LoadTextures(textures, log.box()));
  EXPECT_TRUE(log.texts.empty());
  EXPECT_EQ(std::set<uint32_t>(textures.begin(), textures.end()).size(), 12u);
  for (int slot = 0; slot < 7; ++slot) {
    BoxLog ignored;
    const auto image = ReadDibFile(TexturePath(slot).c_str(), ignored.box());
    glBindTexture(GL_TEXTURE_2D, textures[slot]);
    GLint width = 0, height = 0, min_filter = 0, mag_filter = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min_filter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &mag_filter);
    EXPECT_EQ(width, image->width) << kNames[slot];
    EXPECT_EQ(height, image->height) << kNames[slot];
    EXPECT_EQ(min_filter, GL_LINEAR);
    EXPECT_EQ(mag_filter, GL_LINEAR);
    // The texture holds the picture's rows as decoded, bottom row at t = 0.
    PixelBytes texels(image->pixels.size());
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    EXPECT_EQ(texels, image->pixels) << kNames[slot];
  }
  for (int slot = 7; slot < 12; ++slot) EXPECT_FALSE(glIsTexture(textures[slot])) << slot;
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// A top-down picture 5 pixels wide: its rows go up bottom row first, each
// read whole, and the unpack alignment stays at 4.
TEST_F(TextureDirectory, TopDownOddWidthPictureUploadsAsItLooks) {
  GlTestContext gl;
  VORBEXIA_REQUIRE_GL(gl);
  Bytes rows;
  for (uint8_t y = 0; y < 3; ++y) {  // top row first; pixel (x, y) is (x, y, 9)
    for (uint8_t x = 0; x < 5; ++x) rows.U8({9, y, x});
    rows.Zeros(1);
  }
  Replace(0, WithFileHeader(InfoHeader(5, -3, 24), rows).data);
  TextureTable textures{};
  BoxLog log;
  ASSERT_TRUE(LoadTextures(textures, log.box()));
  glBindTexture(GL_TEXTURE_2D, textures[0]);
  GLint height = 0, alignment = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
  EXPECT_EQ(height, 3);
  std::vector<uint8_t> texels(3 * 16, 0xEE);  // rows of 15 bytes packed to 16
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
  for (int t = 0; t < 3; ++t) {
    for (int x = 0; x < 5; ++x) {
      const uint8_t* texel = &texels[size_t(t) * 16 + size_t(x) * 3];
      EXPECT_EQ(texel[0], x) << t;
      EXPECT_EQ(texel[1], 2 - t) << x;  // t = 0 is the bottom row
      EXPECT_EQ(texel[2], 9);
    }
  }
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  EXPECT_EQ(alignment, 4);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(TextureDirectory, MissingShotStopsSilentlyBeforeAnyName) {
  GlTestContext gl;
  VORBEXIA_REQUIRE_GL(gl);
  Remove(4);
  Replace(5, {});  // would show a box if the reader came to it
  Replace(6, {});
  TextureTable textures;
  textures.fill(0xABCD);
  BoxLog log;
  EXPECT_FALSE(LoadTextures(textures, log.box()));
  EXPECT_TRUE(log.texts.empty());
  for (uint32_t name : textures) EXPECT_EQ(name, 0xABCDu);
  GLuint next = 0;  // no name was taken: the first free one is still 1
  glGenTextures(1, &next);
  EXPECT_EQ(next, 1u);
}

TEST_F(TextureDirectory, RefusedFilesShowTheReadersText) {
  GlTestContext gl;
  VORBEXIA_REQUIRE_GL(gl);
  Replace(2, Bytes().U32(124).Zeros(200).data);
  TextureTable textures{};
  BoxLog log;
  EXPECT_FALSE(LoadTextures(textures, log.box()));
  EXPECT_EQ(log.texts, std::vector<std::string>{"Unknown DIB file format."});
  Replace(2, {});
  log.texts.clear();
  EXPECT_FALSE(LoadTextures(textures, log.box()));
  EXPECT_EQ(log.texts, std::vector<std::string>{"Failed to open DIB file textures/panel.bmp.\n"});
  for (uint32_t name : textures) EXPECT_EQ(name, 0u);
}

}  // namespace
}  // namespace vorbexia::test
