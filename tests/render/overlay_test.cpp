// Text over a real frame: the words read as their golden pictures, nothing
// outside the panel changes, the render state is left as it was; and the
// frame read back from a viewport with an offset.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "render/gl_renderer.h"
#include "render/golden_image.h"
#include "render/overlay.h"
#include "support/gl_test_context.h"
#include "world/world.h"

namespace vorbexia {
namespace {


TEST(OverlayCells, UpperCasePlainPolishLettersAndBlanks) {
  EXPECT_EQ(OverlayCells("Zażółć gęślą jaźń?"), "ZAZOLC GESLA JAZN?");
  EXPECT_EQ(OverlayCells("ĄĆĘŁŃÓŚŹŻ"), "ACELNOSZZ");
  // No glyph: one blank a character, however many bytes it takes; a lead
  // byte cut short or a stray continuation byte is one blank a byte.
  EXPECT_EQ(OverlayCells("a#€_ß"), "A    ");
  EXPECT_EQ(OverlayCells("x\xC5"), "X ");
  EXPECT_EQ(OverlayCells("\xC5x"), " X");
  EXPECT_EQ(OverlayCells("\x80\xBF"), "  ");
}

TEST(LayOutOverlay, OneLineLargeSeveralSmallShrinkingToFit) {
  // "PAUZA": 29 cells of text and 4 around, 8 pixels a cell.
  OverlayLayout pause = LayOutOverlay(1, 5, kWidth, kHeight);
  EXPECT_EQ(pause.cell, 8);
  EXPECT_EQ(pause.panel_left, (800 - 37 * 8) / 2);
  EXPECT_EQ(pause.panel_right, pause.panel_left + 37 * 8);
  EXPECT_EQ(pause.panel_bottom, (600 - 15 * 8) / 2);
  EXPECT_EQ(pause.text_left, pause.panel_left + 32);
  EXPECT_EQ(pause.text_top, pause.panel_top - 32);
  // Ten lines of 40: 247 x 105 cells of 3 pixels.
  OverlayLayout help = LayOutOverlay(10, 40, kWidth, kHeight);
  EXPECT_EQ(help.cell, 3);
  EXPECT_EQ(help.panel_right - help.panel_left, 741);
  EXPECT_EQ(help.panel_top - help.panel_bottom, 315);
  EXPECT_EQ(help.line_pitch, 30);
  // Larger on a 1080-pixel-high full screen; smaller where it would not fit.
  EXPECT_EQ(LayOutOverlay(1, 5, 1440, 1080).cell, 14);
  EXPECT_EQ(LayOutOverlay(10, 40, 1440, 1080).cell, 5);
  EXPECT_EQ(LayOutOverlay(10, 60, kWidth, kHeight).cell, 2);
  EXPECT_EQ(LayOutOverlay(10, 200, kWidth, kHeight).cell, 1);
}

class OverlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!context_.ok()) return;
    renderer_.SetViewport(kWidth, kHeight, static_cast<float>(kWidth) / kHeight);
    ASSERT_TRUE(renderer_.InitGL());
    ASSERT_TRUE(renderer_.BuildModels());
    SeedRandom(random_, 5);
    SetupLevel(state_);
    SetupRobots(state_, random_);
    Frame({});
  }

  // One frame of the same state with the lines over it, read back.
  Image Frame(const std::vector<std::string>& lines) {
    renderer_.DrawScene(state_);
    if (!lines.empty()) renderer_.DrawOverlay(lines);
    return ReadBackBuffer(kWidth, kHeight);
  }

  GlTestContext context_{kWidth, kHeight};
  GlRenderer renderer_{[](const char*) {}};
  GameState state_;
  Random random_;
};

TEST_F(OverlayTest, NothingOutsideThePanelChanges) {
  VORBEXIA_REQUIRE_GL(context_);
  const Image plain = Frame({});
  const Image text = Frame({"pauza"});
  const OverlayLayout layout = LayOutOverlay(1, 5, kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const int up = kHeight - 1 - y;  // pixels from the bottom
      const bool inside = x >= layout.panel_left && x < layout.panel_right &&
                          up >= layout.panel_bottom && up < layout.panel_top;
      if (!inside && !std::equal(plain.At(x, y), plain.At(x, y) + 3, text.At(x, y))) {
        ADD_FAILURE() << "pixel " << x << ", " << y << " outside the panel changed";
        return;
      }
    }
  }
}

// The words as the player reads them, against small pictures kept under
// tests/render/golden/ (VORBEXIA_UPDATE_GOLDEN=1 writes them anew; look at
// them before committing). The panel only: the frame around it is the
// scene's, with goldens of its own.
void CompareWithGolden(const std::string& name, const Image& frame, const OverlayLayout& layout) {
  Image panel{layout.panel_right - layout.panel_left, layout.panel_top - layout.panel_bottom, {}};
  for (int y = kHeight - layout.panel_top; y < kHeight - layout.panel_bottom; ++y) {
    panel.rgb.insert(panel.rgb.end(), frame.At(layout.panel_left, y),
                     frame.At(layout.panel_right, y));
  }
  const std::string path = GoldenPath(name);
  if (UpdatingGoldens()) {
    ASSERT_TRUE(WritePpm(path, panel)) << path;
    return;
  }
  Image golden;
  ASSERT_TRUE(ReadPpm(path, golden)) << path << " missing: run from the repository root";
  ASSERT_EQ(golden.width, panel.width);
  ASSERT_EQ(golden.height, panel.height);
  const int different = CountDifferentPixels(golden, panel, 24);
  if (different > 0) {
    const std::string actual =
        (std::filesystem::temp_directory_path() / (name + ".actual.ppm")).string();
    WritePpm(actual, panel);
    ADD_FAILURE() << name << ": " << different << " pixels differ; this panel is in " << actual;
  }
}

// Named as the other goldens, so that the one command writes them all.
class GoldenOverlayTest : public OverlayTest {};

TEST_F(GoldenOverlayTest, ThePauseAndAHelpLineReadAsTheirPictures) {
  VORBEXIA_REQUIRE_GL(context_);
  CompareWithGolden("overlay_pause", Frame({"PAUZA"}), LayOutOverlay(1, 5, kWidth, kHeight));
  CompareWithGolden("overlay_help", Frame({"KLAWISZE", "OBROT W LEWO: LEFT A"}),
                    LayOutOverlay(2, 20, kWidth, kHeight));
}

TEST_F(OverlayTest, LeavesTheRenderStateAsItWas) {
  VORBEXIA_REQUIRE_GL(context_);
  const Image before = Frame({});
  GLfloat projection[16], projection_after[16];
  glGetFloatv(GL_PROJECTION_MATRIX, projection);
  Frame({"KLAWISZE", "NAPRZOD: UP W", "(1/2) = 0.5, +-!?"});
  glGetFloatv(GL_PROJECTION_MATRIX, projection_after);
  EXPECT_TRUE(std::equal(projection, projection + 16, projection_after));
  GLint mode = 0;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_MODELVIEW);
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  EXPECT_EQ(CountDifferentPixels(before, Frame({}), 0), 0);
}

TEST_F(OverlayTest, ReadFrameGivesTheViewportBottomRowFirst) {
  VORBEXIA_REQUIRE_GL(context_);
  // An odd width, so that rows of 3-byte pixels are not 4-byte aligned.
  constexpr int kX = 101, kY = 57, kW = 397, kH = 300;
  renderer_.SetViewport(kW, kH, double(kW) / kH, kX, kY);
  glPixelStorei(GL_PACK_ALIGNMENT, 8);
  const Image whole = Frame({"PAUZA"});
  glPixelStorei(GL_PACK_ALIGNMENT, 8);
  RgbImage image;
  ASSERT_TRUE(renderer_.ReadFrame(image));
  GLint alignment = 0;
  glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
  EXPECT_EQ(alignment, 8);
  ASSERT_EQ(image.width, kW);
  ASSERT_EQ(image.height, kH);
  ASSERT_EQ(image.pixels.size(), size_t(kW) * kH * 3);
  int different = 0;
  for (int row = 0; row < kH; ++row) {
    const int y = kHeight - 1 - (kY + row);  // the same row, counted from the top
    different += !std::equal(whole.At(kX, y), whole.At(kX + kW, y),
                             &image.pixels[size_t(row) * kW * 3]);
  }
  EXPECT_EQ(different, 0);
}

}  // namespace
}  // namespace vorbexia
