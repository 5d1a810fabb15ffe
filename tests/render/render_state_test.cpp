// InitGL's render state, read back from a real GL context.
#include "render/render_state.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "support/gl_test_context.h"
#include "render/owned_quadrics.h"

namespace vorbexia {
namespace {

using Vec4 = std::array<float, 4>;

Vec4 LightVector(int light, GLenum name) {
  Vec4 value{-7.0f, -7.0f, -7.0f, -7.0f};
  glGetLightfv(GL_LIGHT0 + light, name, value.data());
  return value;
}

float LightScalar(int light, GLenum name) {
  float value = -7.0f;
  glGetLightfv(GL_LIGHT0 + light, name, &value);
  return value;
}

GLint Integer(GLenum name) {
  GLint value = -7;
  glGetIntegerv(name, &value);
  return value;
}

// The capabilities InitGL turns on; nothing else may be enabled.
const std::vector<GLenum> kEnabledByInitGL = {
    GL_TEXTURE_2D, GL_DEPTH_TEST, GL_LIGHTING, GL_LIGHT0, GL_LIGHT1, GL_LIGHT2,
    GL_LIGHT3,     GL_LIGHT4,     GL_LIGHT5,   GL_LIGHT6, GL_LIGHT7};

// Capabilities that would change the look of the maze if they were on.
const std::vector<GLenum> kNeverEnabled = {
    GL_CULL_FACE,  GL_BLEND,        GL_COLOR_MATERIAL, GL_NORMALIZE,
    GL_FOG,        GL_ALPHA_TEST,   GL_TEXTURE_1D,     GL_TEXTURE_GEN_S,
    GL_TEXTURE_GEN_T, GL_SCISSOR_TEST, GL_STENCIL_TEST, GL_POLYGON_OFFSET_FILL};

// Runs the body with the working directory set to a fresh empty folder (in
// which textures/ can be laid out), then restores it.
class ScratchDirectory {
 public:
  ScratchDirectory()
      : previous_(std::filesystem::current_path()),
        path_(std::filesystem::temp_directory_path() /
              ("vorbexia_render_" + std::to_string(getpid()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_ / "textures");
    std::filesystem::current_path(path_);
  }
  ~ScratchDirectory() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
  }
  // Copies one of the game's textures into the scratch textures/ folder.
  void CopyTexture(const std::string& name) {
    std::filesystem::copy_file(previous_ / "textures" / name,
                               path_ / "textures" / name);
  }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

class InitGLTest : public ::testing::Test {
 protected:
  GlTestContext context_{64, 64};
  GlResources resources_;
  OwnedQuadrics quadrics_{resources_};
  std::vector<std::string> reader_texts_;
  ReaderBox reader_box_ = [this](const char* text) {
    reader_texts_.emplace_back(text);
  };
};

TEST_F(InitGLTest, SucceedsWithTheGameTexturesAndMakesTheGunQuadric) {
  VORBEXIA_REQUIRE_GL(context_);
  ASSERT_TRUE(InitGL(resources_, reader_box_));
  EXPECT_NE(resources_.gun_quadric, nullptr);
  EXPECT_TRUE(reader_texts_.empty());
  for (int slot = 0; slot < 7; ++slot) {
    EXPECT_TRUE(glIsTexture(resources_.textures[slot])) << "slot " << slot;
  }
}

TEST_F(InitGLTest, EnablesExactlyTexturingDepthLightingAndTheEightLights) {
  VORBEXIA_REQUIRE_GL(context_);
  ASSERT_TRUE(InitGL(resources_, reader_box_));
  for (GLenum capability : kEnabledByInitGL) {
    EXPECT_TRUE(glIsEnabled(capability)) << "capability 0x" << std::hex << capability;
  }
  for (GLenum capability : kNeverEnabled) {
    EXPECT_FALSE(glIsEnabled(capability)) << "capability 0x" << std::hex << capability;
  }
}

TEST_F(InitGLTest, SetsDepthShadingClearAndHint) {
  VORBEXIA_REQUIRE_GL(context_);
  ASSERT_TRUE(InitGL(resources_, reader_box_));
  EXPECT_EQ(Integer(GL_DEPTH_FUNC), GL_LESS);  // not GL_LEQUAL
  EXPECT_EQ(Integer(GL_SHADE_MODEL), GL_SMOOTH);
  EXPECT_EQ(Integer(GL_PERSPECTIVE_CORRECTION_HINT), GL_NICEST);
  Vec4 clear{};
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clear.data());
  EXPECT_EQ(clear, (Vec4{0.0f, 0.0f, 0.0f, 1.0f}));
  float depth = -1.0f;
  glGetFloatv(GL_DEPTH_CLEAR_VALUE, &depth);
  EXPECT_EQ(depth, 1.0f);
}

TEST_F(InitGLTest, LightModelAmbientIsWhiteAndTheRestOfTheModelDefault) {
  VORBEXIA_REQUIRE_GL(context_);
  ASSERT_TRUE(InitGL(resources_, reader_box_));
  Vec4 ambient{};
  glGetFloatv(GL_LIGHT_MODEL_AMBIENT, ambient.data());
  EXPECT_EQ(ambient, (Vec4{1.0f, 1.0f, 1.0f, 1.0f}));
  EXPECT_EQ(Integer(GL_LIGHT_MODEL_TWO_SIDE), GL_FALSE);
  EXPECT_EQ(Integer(GL_LIGHT_MODEL_LOCAL_VIEWER), GL_FALSE);
}

TEST_F(InitGLTest, LightAmbientsAreHandedOverUnclamped) {
  VORBEXIA_REQUIRE_GL(context_);
  ASSERT_TRUE(InitGL(resources_, reader_box_));
  const std::array<Vec4, 8> expected = {{{0, 30, 0, 1},
                                         {5, 3, 2, 1},
                                         {30, 0, 0, 10},
                                         {30, 0, 0, 10},
                                         {3, 3, 3, 3},
                                         {0, 0, 30, 3},
                                         {0, 0, 30, 3},
                                         {10, 5, 12, 3}}};
  for (int n = 0; n < 8; ++n) {
    EXPECT_EQ(LightVector(n, GL_AMBIENT), expected[n]) << "light " << n;
  }
}

TEST_F(InitGLTest, EveryConePointsStraightDownWithItsCutoff) {
  VORBEXIA_REQUIRE_GL(context_);
  ASSERT_TRUE(InitGL(resources_, reader_box_));
  const std::array<float, 8> cutoffs = {65, 75, 75, 75, 60, 80, 80, 75};
  for (int n = 0; n < 8; ++n) {
    const Vec4 direction = LightVector(n, GL_SPOT_DIRECTION);
    EXPECT_EQ(direction[0], 0.0f) << "light " << n;
    EXPECT_EQ(direction[1], -1.0f) << "light " << n;
    EXPECT_EQ(direction[2], 0.0f) << "light " << n;
    EXPECT_EQ(LightScalar(n, GL_SPOT_CUTOFF), cutoffs[n]) << "light " << n;
    EXPECT_EQ(LightScalar(n, GL_SPOT_EXPONENT), 0.0f) << "light " << n;
    EXPECT_EQ(LightScalar(n, GL_CONSTANT_ATTENUATION), 1.0f) << "light " << n;
    EXPECT_EQ(LightScalar(n, GL_LINEAR_ATTENUATION), 0.0f) << "light " << n;
    EXPECT_EQ(LightScalar(n, GL_QUADRATIC_ATTENUATION), 0.0f) << "light " << n;
  }
}

TEST_F(InitGLTest, OnlyLightZeroHasWhiteDiffuseAndSpecular) {
  VORBEXIA_REQUIRE_GL(context_);
  ASSERT_TRUE(InitGL(resources_, reader_box_));
  EXPECT_EQ(LightVector(0, GL_DIFFUSE), (Vec4{1, 1, 1, 1}));
  EXPECT_EQ(LightVector(0, GL_SPECULAR), (Vec4{1, 1, 1, 1}));
  for (int n = 1; n < 8; ++n) {
    EXPECT_EQ(LightVector(n, GL_DIFFUSE), (Vec4{0, 0, 0, 1})) << "light " << n;
    EXPECT_EQ(LightVector(n, GL_SPECULAR), (Vec4{0, 0, 0, 1})) << "light " << n;
  }
}

TEST_F(InitGLTest, LeavesPositionsMaterialAndTextureEnvironmentAtDefaults) {
  VORBEXIA_REQUIRE_GL(context_);
  ASSERT_TRUE(InitGL(resources_, reader_box_));
  // Positions come with the first frame; until then the default (0, 0, 1, 0).
  for (int n = 0; n < 8; ++n) {
    EXPECT_EQ(LightVector(n, GL_POSITION), (Vec4{0, 0, 1, 0})) << "light " << n;
  }
  Vec4 material{};
  glGetMaterialfv(GL_FRONT, GL_AMBIENT, material.data());
  EXPECT_EQ(material, (Vec4{0.2f, 0.2f, 0.2f, 1.0f}));
  glGetMaterialfv(GL_FRONT, GL_DIFFUSE, material.data());
  EXPECT_EQ(material, (Vec4{0.8f, 0.8f, 0.8f, 1.0f}));
  GLint mode = 0;
  glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
  EXPECT_EQ(mode, GL_MODULATE);
}

// A missing image ends InitGL before anything else: no capability, no
// texture name, no quadric, and (the file never opened) no reader box.
TEST_F(InitGLTest, MissingImageLeavesEverythingUntouched) {
  VORBEXIA_REQUIRE_GL(context_);
  {
    ScratchDirectory scratch;
    scratch.CopyTexture("brick.bmp");
    scratch.CopyTexture("deska.bmp");
    EXPECT_FALSE(InitGL(resources_, reader_box_));
  }
  for (GLenum capability : kEnabledByInitGL) {
    EXPECT_FALSE(glIsEnabled(capability)) << "capability 0x" << std::hex << capability;
  }
  EXPECT_EQ(Integer(GL_DEPTH_FUNC), GL_LESS);  // the default, never set
  Vec4 ambient{};
  glGetFloatv(GL_LIGHT_MODEL_AMBIENT, ambient.data());
  EXPECT_EQ(ambient, (Vec4{0.2f, 0.2f, 0.2f, 1.0f}));
  EXPECT_EQ(LightVector(1, GL_AMBIENT), (Vec4{0, 0, 0, 1}));
  for (uint32_t name : resources_.textures) EXPECT_EQ(name, 0u);
  EXPECT_EQ(resources_.gun_quadric, nullptr);
  EXPECT_TRUE(reader_texts_.empty());
}

// An image the reader refuses: its box, then failure with nothing set.
TEST_F(InitGLTest, UnreadableImageShowsTheReadersBoxAndFails) {
  VORBEXIA_REQUIRE_GL(context_);
  {
    ScratchDirectory scratch;
    std::ofstream("textures/brick.bmp");  // exists, but empty
    EXPECT_FALSE(InitGL(resources_, reader_box_));
  }
  ASSERT_EQ(reader_texts_.size(), 1u);
  EXPECT_NE(reader_texts_[0].find("textures/brick.bmp"), std::string::npos)
      << reader_texts_[0];
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  EXPECT_EQ(resources_.gun_quadric, nullptr);
}

}  // namespace
}  // namespace vorbexia
