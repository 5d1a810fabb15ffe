// The game's fast drawing against the reference drawing (every wall strip
// in table order) from the same state at 800 x 600: the golden views and
// frames of bench/win.demo's replay. Leaving out what cannot show and
// drawing near to far may move a pixel by a few levels, never more: at
// least 99.5 % of each frame's pixels within 8 levels in every channel, and
// none more than 32 off.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "demo/demo_file.h"
#include "render/gl_renderer.h"
#include "render/golden_image.h"
#include "support/gl_test_context.h"
#include "world/frame.h"
#include "world/world.h"

namespace vorbexia {
namespace {

constexpr int kNear = 8;      // levels
constexpr int kWorst = 32;    // levels
constexpr double kShareNear = 0.995;

// How far one frame is from the other.
struct Closeness {
  double share_near = 1.0;  // of the pixels, within kNear in every channel
  int worst = 0;            // levels, the largest channel difference
};

Closeness Compare(const Image& a, const Image& b) {
  Closeness closeness;
  int near = 0;
  for (size_t i = 0; i + 2 < a.rgb.size(); i += 3) {
    int pixel = 0;
    for (int c = 0; c < 3; ++c) pixel = std::max(pixel, std::abs(a.rgb[i + c] - b.rgb[i + c]));
    closeness.worst = std::max(closeness.worst, pixel);
    near += pixel <= kNear;
  }
  closeness.share_near = static_cast<double>(near) / (a.rgb.size() / 3);
  return closeness;
}

class FastFrameTest : public ::testing::Test {
 public:
  void SetUp() override {
    if (!context_.ok()) return;
    renderer_.SetViewport(kWidth, kHeight,
                          static_cast<float>(kWidth) / static_cast<float>(kHeight));
    ASSERT_TRUE(renderer_.InitGL());
    ASSERT_TRUE(renderer_.BuildModels());
  }

  // The state drawn both ways; each frame follows a drawn frame, so both
  // start with the gun's last normal current, as in the game.
  void Check(const GameState& state, const std::string& name) {
    renderer_.set_drawing(SceneDrawing::kReference);
    renderer_.DrawScene(state);
    const Image reference = ReadBackBuffer(kWidth, kHeight);
    renderer_.set_drawing(SceneDrawing::kFast);
    renderer_.DrawScene(state);
    const Closeness closeness = Compare(reference, ReadBackBuffer(kWidth, kHeight));
    EXPECT_GE(closeness.share_near, kShareNear) << name;
    EXPECT_LE(closeness.worst, kWorst) << name;
    ++frames_;
    least_share_ = std::min(least_share_, closeness.share_near);
    worst_ = std::max(worst_, closeness.worst);
  }

  void Report(const char* what) const {
    std::printf("fast against reference, %s: %d frames, least share within %d levels "
                "%.4f %%, worst pixel %d levels\n",
                what, frames_, kNear, least_share_ * 100.0, worst_);
  }

  GlTestContext context_{kWidth, kHeight};
  GlRenderer renderer_{[](const char*) {}};
  int frames_ = 0;
  double least_share_ = 1.0;
  int worst_ = 0;
};

// The four golden views, set up as the golden frames are, at full size.
TEST_F(FastFrameTest, GoldenViewsAsTheReference) {
  VORBEXIA_REQUIRE_GL(context_);
  Random random;
  SeedRandom(random, 20261207);
  GameState start;
  SetupLevel(start);
  SetupRobots(start, random);
  AdvanceWorld(start, random);
  GameState clear = start;
  for (int i = 0; i < kRobotCount; ++i) {
    clear.robots[i] = RobotState{32.0f + 2 * i, 33.0f, 0.0f, 0};
  }
  GameState robots = start;
  robots.robots = {RobotState{4.0f, 8.5f, 30.0f, 3}, RobotState{6.5f, 10.0f, 200.0f, 0},
                   RobotState{3.0f, 12.0f, 180.0f, 2}, RobotState{7.0f, 14.0f, 90.0f, 1},
                   RobotState{2.0f, 16.0f, 45.0f, -1}};
  robots.shot = ShotState{1, 5.0f, 7.0f, 180.0f};
  start.player = PlayerState{2.0f, 2.0f, 180.0f};
  robots.player = PlayerState{5.0f, 5.0f, 180.0f};
  GameState green = clear, blue = clear;
  green.player = PlayerState{3.0f, 13.0f, 180.0f};
  blue.player = PlayerState{37.0f, 2.0f, 160.0f};
  renderer_.DrawScene(start);
  Check(start, "start");
  Check(robots, "robots");
  Check(green, "green_light");
  Check(blue, "blue_niche");
  Report("golden views");
}

// Every seventh frame of the demo that walks the maze and wins: 200 frames
// from all over the maze, robots and shots included.
TEST_F(FastFrameTest, WinDemoFramesAsTheReference) {
  VORBEXIA_REQUIRE_GL(context_);
  Demo demo;
  std::string error;
  ASSERT_TRUE(ReadDemoFile("bench/win.demo", demo, error)) << error;
  struct Sampler : FrameView {
    FastFrameTest& test;
    int frame = 0;
    explicit Sampler(FastFrameTest& t) : test(t) {}
    void Draw(const GameState& state) override {
      if (frame++ % 7 == 0) test.Check(state, "demo frame " + std::to_string(frame));
    }
  } sampler(*this);
  GameState state;
  Random random;
  SeedRandom(random, demo.seed);
  SetupLevel(state);
  SetupRobots(state, random);
  renderer_.DrawScene(state);
  for (const FrameKeys& keys : demo.frames) {
    if (RunFrame(state, random, keys, sampler, false) == FrameEnd::kVictory) break;
  }
  EXPECT_GE(frames_, 200);
  Report("bench/win.demo");
}

}  // namespace
}  // namespace vorbexia
