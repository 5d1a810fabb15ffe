// The HUD over a real frame: it changes only the pixels of the crosshair
// and of the robot count, and leaves the render state so that the next
// frame is drawn exactly as without it.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "render/gl_renderer.h"
#include "render/golden_image.h"
#include "support/gl_test_context.h"
#include "world/world.h"

namespace vorbexia {
namespace {


class HudTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!context_.ok()) return;
    renderer_.SetViewport(kWidth, kHeight, static_cast<float>(kWidth) / kHeight);
    ASSERT_TRUE(renderer_.InitGL());
    ASSERT_TRUE(renderer_.BuildModels());
    SeedRandom(random_, 5);
    SetupLevel(state_);
    SetupRobots(state_, random_);
    state_.robots[3].hp = 0;  // four left
    // Every frame but the first starts with the gun's last normal current.
    Frame(false);
  }

  // One game frame from copies of the state and the generator (the world
  // steps, then the frame is drawn), read back.
  Image Frame(bool hud) {
    GameState state = state_;
    Random random = random_;
    AdvanceWorld(state, random);
    renderer_.DrawScene(state);
    if (hud) renderer_.DrawHud(state, HudText{"Roboty", "1:23"});
    return ReadBackBuffer(kWidth, kHeight);
  }

  GlTestContext context_{kWidth, kHeight};
  GlRenderer renderer_{[](const char*) {}};
  GameState state_;
  Random random_;
};

bool InBox(int x, int y, int x0, int y0, int x1, int y1) {
  return x >= x0 && x < x1 && y >= y0 && y < y1;
}

TEST_F(HudTest, ChangesOnlyTheCrosshairTheCountItsLabelAndTheClock) {
  VORBEXIA_REQUIRE_GL(context_);
  const Image plain = Frame(false);
  const Image hud = Frame(true);
  int crosshair = 0, count = 0, label = 0, clock = 0, clock_right = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (std::equal(plain.At(x, y), plain.At(x, y) + 3, hud.At(x, y))) continue;
      // Rows from the top: the crosshair within 8 pixels of the middle, the
      // count within 16 to 38 pixels of the top left corner.
      if (InBox(x, y, 392, 292, 408, 308)) {
        ++crosshair;
      } else if (InBox(x, y, 16, 16, 28, 38)) {
        ++count;
      } else if (InBox(x, y, 37, 24, 37 + 6 * 12 - 2, 38)) {
        ++label;  // six letters of 2-pixel cells on the digit's baseline
      } else if (InBox(x, y, 800 - 16 - (4 * 18 - 3), 16, 800 - 16, 37)) {
        ++clock;  // four characters of 3-pixel cells, 16 pixels from the right
        clock_right = std::max(clock_right, x);
      } else {
        ADD_FAILURE() << "pixel " << x << ", " << y << " changed";
        return;
      }
    }
  }
  EXPECT_EQ(crosshair, 4 * 5 * 2);  // four arms of 5 x 2 pixels
  // The 4: segments b, c, f and g, 3 pixels thick, 11 or 12 long.
  EXPECT_GT(count, 4 * 3 * 10);
  EXPECT_LT(count, 4 * 3 * 13);
  EXPECT_GT(label, 6 * 10 * 4);  // at least ten cells a letter
  EXPECT_GT(clock, 3 * 9 * 9);
  EXPECT_EQ(clock_right, 800 - 16 - 1);
}

// The digit whose segments the HUD lit at column x (pixels from the left),
// read at the middle of each segment; -1 when they spell no digit.
int ReadDigit(const Image& plain, const Image& hud, int x) {
  // Segments a to g, pixels from the digit's top left corner (16, 16).
  constexpr int kMiddles[7][2] = {{6, 1}, {10, 5}, {10, 16}, {6, 20},
                                  {1, 16}, {1, 5}, {6, 11}};
  constexpr const char* kGlyphs[10] = {"abcdef", "bc",     "abdeg",  "abcdg",
                                       "bcfg",   "acdfg",  "acdefg", "abc",
                                       "abcdefg", "abcdfg"};
  std::string lit;
  for (int s = 0; s < 7; ++s) {
    const int px = x + kMiddles[s][0], py = 16 + kMiddles[s][1];
    if (!std::equal(plain.At(px, py), plain.At(px, py) + 3, hud.At(px, py))) {
      lit += static_cast<char>('a' + s);
    }
  }
  for (int d = 0; d < 10; ++d) {
    if (lit == kGlyphs[d]) return d;
  }
  return -1;
}

TEST_F(HudTest, CountShowsTheRobotsWithHitPointsLeft) {
  VORBEXIA_REQUIRE_GL(context_);
  // Standing robots keep 1 to 3 hit points; the others are down to 0 or
  // below. The count stays one digit: there are five robots.
  for (int standing = kRobotCount; standing >= 0; --standing) {
    for (int r = 0; r < kRobotCount; ++r) {
      state_.robots[r].hp = r < standing ? 1 + r % 3 : -(r % 2);
    }
    const Image plain = Frame(false);
    const Image hud = Frame(true);
    EXPECT_EQ(ReadDigit(plain, hud, 16), standing);  // 18 pixels a digit
    EXPECT_EQ(ReadDigit(plain, hud, 34), -1) << standing;  // no second digit
  }
}

TEST_F(HudTest, NextFrameDrawsAsWithoutIt) {
  VORBEXIA_REQUIRE_GL(context_);
  const Image before = Frame(false);
  Frame(true);
  EXPECT_EQ(CountDifferentPixels(before, Frame(false), 0), 0);
}

}  // namespace
}  // namespace vorbexia
