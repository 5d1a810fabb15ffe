// The game's golden views drawn by the renderer's own code through the
// fixed-function layer on OpenGL ES 2 (Mesa's llvmpipe through EGL), held
// against the desktop's fixed-function frames of the same views
// (tests/render/golden, drawn on llvmpipe by tests/render/frame_test.cpp);
// and the fast drawing, the browser's, held to the reference drawing
// through the layer, as tests/render/fast_frame_test.cpp holds them on the
// desktop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "fixedgl/api.h"
#include "fixedgl/context.h"
#include "fixedgl/es_context.h"
#include "render/gl_renderer.h"
#include "world/world.h"

namespace vorbexia {
namespace {

constexpr int kWidth = 800;  // the drawable, pixels
constexpr int kHeight = 600;
constexpr int kGoldenWidth = 400;  // the goldens' view, pixels
constexpr int kGoldenHeight = 300;
constexpr int kTolerance = 8;      // levels per channel
constexpr double kLeastShare = 0.99;
// The fast drawing against the reference: at least this share of the
// pixels within kTolerance, and none further off than kWorst.
constexpr double kLeastFastShare = 0.995;
constexpr int kWorst = 32;  // levels

std::vector<unsigned char> ReadGolden(const std::string& name) {
  std::ifstream in("tests/render/golden/" + name + ".ppm", std::ios::binary);
  std::string magic;
  int width = 0, height = 0, max_value = 0;
  in >> magic >> width >> height >> max_value;
  in.get();
  if (!in || magic != "P6" || width != kGoldenWidth || height != kGoldenHeight) return {};
  std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
  in.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
  return in ? rgb : std::vector<unsigned char>{};
}

// The share of pixels whose three channels are all within the tolerance.
double ShareAlike(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
  size_t alike = 0;
  for (size_t i = 0; i + 2 < a.size(); i += 3) {
    alike += std::abs(a[i] - b[i]) <= kTolerance && std::abs(a[i + 1] - b[i + 1]) <= kTolerance &&
             std::abs(a[i + 2] - b[i + 2]) <= kTolerance;
  }
  return static_cast<double>(alike) / static_cast<double>(a.size() / 3);
}

// As frame_test.cpp's golden views: the level and robots from one seed, a
// world step, then the frame, at 400 x 300 in an 800 x 600 drawable.
class FixedGlGoldenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(es_.ok()) << "no OpenGL ES 2 context through EGL";
    fixedgl::MakeCurrent(&gl_);
    renderer_.SetViewport(kWidth, kHeight, static_cast<double>(kWidth) / kHeight);
    ASSERT_TRUE(renderer_.InitGL());
    ASSERT_TRUE(renderer_.BuildModels());
    SeedRandom(random_, 20261207);
    SetupLevel(state_);
    SetupRobots(state_, random_);
  }
  void TearDown() override { fixedgl::MakeCurrent(nullptr); }

  void ClearRobots() {
    for (int i = 0; i < kRobotCount; ++i) state_.robots[i] = RobotState{32.0f + 2 * i, 33.0f, 0.0f, 0};
  }

  void ExpectLikeGolden(const std::string& name, const PlayerState& player) {
    renderer_.SetViewport(kGoldenWidth, kGoldenHeight,
                          static_cast<double>(kGoldenWidth) / kGoldenHeight);
    state_.player = player;
    AdvanceWorld(state_, random_);
    renderer_.DrawScene(state_);
    fixedgl::Flush();
    const std::vector<unsigned char> frame = es_.ReadRgb(kGoldenWidth, kGoldenHeight);
    ExpectFastAsReference(name);
    const std::vector<unsigned char> golden = ReadGolden(name);
    ASSERT_EQ(golden.size(), frame.size()) << name << ": run from the repository root";
    const double share = ShareAlike(frame, golden);
    std::cout << name << ": " << share * 100 << " % of pixels within " << kTolerance
              << " levels\n";
    RecordProperty("share_" + name, std::to_string(share));
    if (share < kLeastShare) {
      const auto path = std::filesystem::temp_directory_path() / (name + ".fixedgl.ppm");
      std::ofstream out(path, std::ios::binary);
      out << "P6\n" << kGoldenWidth << " " << kGoldenHeight << "\n255\n";
      out.write(reinterpret_cast<const char*>(frame.data()),
                static_cast<std::streamsize>(frame.size()));
      ADD_FAILURE() << name << ": " << share * 100 << " % alike, at least "
                    << kLeastShare * 100 << " % wanted; this frame is in " << path;
    }
  }

  // The view drawn the reference way and the fast way again, each after a
  // frame (the gun's last normal current, as in the game).
  void ExpectFastAsReference(const std::string& name) {
    std::vector<unsigned char> frames[2];
    for (const SceneDrawing drawing : {SceneDrawing::kReference, SceneDrawing::kFast}) {
      renderer_.set_drawing(drawing);
      renderer_.DrawScene(state_);
      fixedgl::Flush();
      frames[drawing == SceneDrawing::kFast] = es_.ReadRgb(kGoldenWidth, kGoldenHeight);
    }
    int worst = 0;
    for (size_t i = 0; i < frames[0].size(); ++i) {
      worst = std::max(worst, std::abs(frames[0][i] - frames[1][i]));
    }
    const double share = ShareAlike(frames[1], frames[0]);
    std::cout << name << ": fast drawing: " << share * 100 << " % of pixels within " << kTolerance
              << " levels of the reference, worst pixel " << worst << " levels\n";
    EXPECT_GE(share, kLeastFastShare) << name;
    EXPECT_LE(worst, kWorst) << name;
  }

  EsContext es_{kWidth, kHeight};  // outlives the layer's ES objects
  fixedgl::Context gl_{kWidth, kHeight};
  GlRenderer renderer_{[](const char*) {}};
  GameState state_;
  Random random_;
};

TEST_F(FixedGlGoldenTest, StartView) {
  ExpectLikeGolden("start", PlayerState{2.0f, 2.0f, 180.0f});
}

TEST_F(FixedGlGoldenTest, RobotsAndShot) {
  state_.robots[0] = RobotState{4.0f, 8.5f, 30.0f, 3};
  state_.robots[1] = RobotState{6.5f, 10.0f, 200.0f, 0};
  state_.robots[2] = RobotState{3.0f, 12.0f, 180.0f, 2};
  state_.robots[3] = RobotState{7.0f, 14.0f, 90.0f, 1};
  state_.robots[4] = RobotState{2.0f, 16.0f, 45.0f, -1};
  state_.shot = ShotState{1, 5.0f, 7.0f, 180.0f};
  ExpectLikeGolden("robots", PlayerState{5.0f, 5.0f, 180.0f});
}

TEST_F(FixedGlGoldenTest, GreenLight) {
  ClearRobots();
  ExpectLikeGolden("green_light", PlayerState{3.0f, 13.0f, 180.0f});
}

TEST_F(FixedGlGoldenTest, BlueNiche) {
  ClearRobots();
  ExpectLikeGolden("blue_niche", PlayerState{37.0f, 2.0f, 160.0f});
}

}  // namespace
}  // namespace vorbexia
