// The texture set uploaded into a real GL context (skipped without a
// display): the seven pictures into slots 0 to 6, rows as decoded, and no
// texture name at all when a picture cannot be read.
#include "render/textures.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "image/dib_bytes.h"
#include "image/temp_directory.h"
#include "image/texture_directory.h"
#include "render/gl_renderer.h"
#include "shell/game_window.h"
#include "support/gl_test_context.h"
#include "support/scripted_platform.h"

namespace vorbexia::test {
namespace {

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
    EXPECT_EQ(width, image->width) << kTextureNames[slot];
    EXPECT_EQ(height, image->height) << kTextureNames[slot];
    EXPECT_EQ(min_filter, GL_LINEAR);
    EXPECT_EQ(mag_filter, GL_LINEAR);
    // The texture holds the picture's rows as decoded, bottom row at t = 0.
    PixelBytes texels(image->pixels.size());
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    EXPECT_EQ(texels, image->pixels) << kTextureNames[slot];
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

// A picture one texel wider than this GL takes is refused as the reader
// refuses a file: its box, then the window's teardown and InitGL's box.
TEST_F(TextureDirectory, PictureWiderThanTheGraphicsTakeEndsTheStart) {
  GlTestContext gl;
  VORBEXIA_REQUIRE_GL(gl);
  GLint side = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
  ASSERT_GT(side, 0);
  Replace(1, WithFileHeader(InfoHeader(side + 1, 1, 24), Bytes().Zeros(size_t(side + 1) * 3 + 3)).data);
  ScriptedPlatform platform;
  GlRenderer renderer([&platform](const char* text) { ShowReaderBox(platform, text); });
  GameWindow window{platform, renderer};
  EXPECT_FALSE(CreateGameWindow(window, WindowRequest{"Vorbexia", 800, 600, 16, false}));
  const std::string size = std::to_string(side + 1) + " x 1 pixels, at most " +
                           std::to_string(side) + " x " + std::to_string(side) + ".";
  ASSERT_EQ(platform.boxes.size(), 2u);
  EXPECT_EQ(platform.boxes[0].caption + ": " + platform.boxes[0].text,
            "Error: Image textures/deska.bmp too large for the graphics: " + size);
  EXPECT_EQ(platform.boxes[1].caption + ": " + platform.boxes[1].text,
            "ERROR: Blad w procedurze InitGL.");
}

}  // namespace
}  // namespace vorbexia::test
