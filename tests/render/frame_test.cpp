// Whole frames as the player sees them: rendered into the back buffer of an
// 800 x 600 context and read back before any swap.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <string>

#include "render/gl_renderer.h"
#include "render/golden_image.h"
#include "support/gl_test_context.h"
#include "world/world.h"

namespace vorbexia {
namespace {


struct WorldPoint {
  double x, y, z;
};

struct Colour {
  double r, g, b;
};

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!context_.ok()) return;
    renderer_.SetViewport(kWidth, kHeight, static_cast<double>(kWidth) / kHeight);
    ASSERT_TRUE(renderer_.InitGL());
    ASSERT_TRUE(renderer_.BuildModels());
    SeedRandom(random_, 20261207);
    SetupLevel(state_);
    SetupRobots(state_, random_);
  }

  // Robots out of the way: lying still along the far wall.
  void ClearRobots() {
    for (int i = 0; i < kRobotCount; ++i) {
      state_.robots[i] = RobotState{32.0f + 2 * i, 33.0f, 0.0f, 0};
    }
  }

  // One game frame: the world steps, then the frame is drawn.
  void StepAndDraw() {
    AdvanceWorld(state_, random_);
    renderer_.DrawScene(state_);
  }

  Image Render(const PlayerState& player) {
    state_.player = player;
    StepAndDraw();
    return ReadBackBuffer(kWidth, kHeight);
  }

  // Where the world point lands on the screen (rows from the top).
  bool Project(const WorldPoint& p, int& column, int& row) {
    std::array<double, 16> modelview{}, projection{};
    std::array<GLint, 4> viewport{};
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview.data());
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    double wx = 0, wy = 0, wz = 0;
    if (!gluProject(p.x, p.y, p.z, modelview.data(), projection.data(),
                    viewport.data(), &wx, &wy, &wz)) {
      return false;
    }
    column = static_cast<int>(wx);
    row = kHeight - 1 - static_cast<int>(wy);
    return column >= 0 && column < kWidth && row >= 0 && row < kHeight;
  }

  // The world point seen at the middle of the screen, from the depth buffer.
  WorldPoint PointAtScreenCentre() {
    const int x = kWidth / 2, y = kHeight / 2;
    float depth = 0;
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    std::array<double, 16> modelview{}, projection{};
    std::array<GLint, 4> viewport{};
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview.data());
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    WorldPoint p{};
    gluUnProject(x + 0.5, y + 0.5, depth, modelview.data(), projection.data(),
                 viewport.data(), &p.x, &p.y, &p.z);
    return p;
  }

  GlTestContext context_{kWidth, kHeight};
  GlRenderer renderer_{[](const char*) {}};
  GameState state_;
  Random random_;
};

// The mean colour of a square of (2 radius + 1) pixels around a point.
Colour MeanColour(const Image& image, int column, int row, int radius = 3) {
  Colour sum{0, 0, 0};
  int count = 0;
  for (int y = row - radius; y <= row + radius; ++y) {
    for (int x = column - radius; x <= column + radius; ++x) {
      if (x < 0 || y < 0 || x >= image.width || y >= image.height) continue;
      const unsigned char* p = image.At(x, y);
      sum.r += p[0];
      sum.g += p[1];
      sum.b += p[2];
      ++count;
    }
  }
  return Colour{sum.r / count, sum.g / count, sum.b / count};
}

// Mean grey step between neighbouring pixels in a rectangle: texture shows
// as detail (2.5 to 3.6 levels on the game's pictures), while untextured
// quads, lit smoothly from their corners, change by about a level at most.
double Detail(const Image& image, int x0, int y0, int x1, int y1) {
  auto grey = [&](int x, int y) {
    const unsigned char* p = image.At(x, y);
    return (p[0] + p[1] + p[2]) / 3.0;
  };
  double sum = 0;
  int count = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      sum += std::abs(grey(x + 1, y) - grey(x, y)) + std::abs(grey(x, y + 1) - grey(x, y));
      ++count;
    }
  }
  return sum / count;
}

// A robot hit a moment ago is drawn white-hot where it stands, and nothing
// else in the frame changes.
TEST_F(FrameTest, AFlashingRobotChangesOnlyItsOwnPixels) {
  VORBEXIA_REQUIRE_GL(context_);
  ClearRobots();
  state_.robots[0] = RobotState{2.0f, 5.0f, 0.0f, 2};
  state_.player = PlayerState{2.0f, 2.0f, 180.0f};
  renderer_.DrawScene(state_);  // every frame but the first starts on the gun's last normal
  renderer_.DrawScene(state_);
  const Image plain = ReadBackBuffer(kWidth, kHeight);
  RobotFlashes flashes{};
  flashes[0] = true;
  renderer_.DrawScene(state_, flashes);
  const Image flashing = ReadBackBuffer(kWidth, kHeight);
  int column = 0, row = 0;
  ASSERT_TRUE(Project(WorldPoint{2.0, 0.3, 5.0}, column, row));
  const Colour lit = MeanColour(flashing, column, row, 1);
  EXPECT_GT(lit.r + lit.g + lit.b, 3 * 200.0) << "the robot's middle is not white-hot";
  int changed = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (std::equal(plain.At(x, y), plain.At(x, y) + 3, flashing.At(x, y))) continue;
      ++changed;
      // The robot is within 0.6 world units of its origin: at 3 units away,
      // well inside 120 pixels of where that lands.
      ASSERT_LT(std::abs(x - column) + std::abs(y - row), 240) << x << ", " << y;
    }
  }
  EXPECT_GT(changed, 1000);
  renderer_.DrawScene(state_);
  EXPECT_EQ(CountDifferentPixels(plain, ReadBackBuffer(kWidth, kHeight), 0), 0)
      << "the next frame is not drawn as before the flash";
}

// The centre of the screen shows the wall straight ahead, which tells the
// heading's direction: 180 looks along +z, 0 along -z, 90 along -x, 270 +x.
TEST_F(FrameTest, CameraLooksAlongTheHeading) {
  VORBEXIA_REQUIRE_GL(context_);
  ClearRobots();
  struct Case {
    float heading;
    double x, z;  // the wall point ahead of (2, 2)
  };
  for (const Case& c : {Case{180, 2, 20}, Case{0, 2, 0}, Case{90, 0, 2},
                        Case{270, 50, 2}, Case{540, 2, 20}}) {
    Render(PlayerState{2.0f, 2.0f, c.heading});
    const WorldPoint p = PointAtScreenCentre();
    // Depth is stored in 16 bits: good to a few hundredths at 18 units,
    // a few tenths at 48.
    const double tolerance = c.x == 50 ? 0.6 : 0.1;
    EXPECT_NEAR(p.x, c.x, tolerance) << "heading " << c.heading;
    EXPECT_NEAR(p.y, 0.45, tolerance) << "heading " << c.heading;
    EXPECT_NEAR(p.z, c.z, tolerance) << "heading " << c.heading;
  }
}

// The green light 0 stands over (1, 19): the floor under it is green and
// bright, a floor point outside every cone only faintly lit.
TEST_F(FrameTest, GreenLightShinesOnTheFloorUnderIt) {
  VORBEXIA_REQUIRE_GL(context_);
  ClearRobots();
  const Image image = Render(PlayerState{3.0f, 13.0f, 180.0f});
  int column = 0, row = 0;
  ASSERT_TRUE(Project({1.0, 0.0, 19.0}, column, row));
  const Colour lit = MeanColour(image, column, row);
  ASSERT_TRUE(Project({4.0, 0.0, 16.5}, column, row));
  const Colour dark = MeanColour(image, column, row);
  EXPECT_GT(lit.g, 1.5 * lit.r) << lit.r << " " << lit.g << " " << lit.b;
  EXPECT_GT(lit.g, 1.5 * lit.b) << lit.r << " " << lit.g << " " << lit.b;
  EXPECT_GT(lit.g, 3.0 * dark.g) << lit.g << " vs " << dark.g;
}

// Light 4 rides 0.3 above the eye: the floor just ahead of the viewer is
// lit white wherever the viewer stands, the floor three times as far is not.
TEST_F(FrameTest, ViewerLightFollowsThePlayer) {
  VORBEXIA_REQUIRE_GL(context_);
  ClearRobots();
  for (const PlayerState player : {PlayerState{5.0f, 8.0f, 180.0f},
                                   PlayerState{20.0f, 2.5f, 270.0f}}) {
    const Image image = Render(player);
    // 1.2 units ahead: inside the cone (radius 1.3 on the floor) and just
    // inside the bottom of the view.
    const double ahead_x = player.x - 1.2 * std::sin(player.heading * M_PI / 180);
    const double ahead_z = player.z - 1.2 * std::cos(player.heading * M_PI / 180);
    int column = 0, row = 0;
    ASSERT_TRUE(Project({ahead_x, 0.0, ahead_z}, column, row));
    const Colour near = MeanColour(image, column, row);
    ASSERT_TRUE(Project({player.x + 3 * (ahead_x - player.x), 0.0,
                         player.z + 3 * (ahead_z - player.z)},
                        column, row));
    const Colour far = MeanColour(image, column, row);
    EXPECT_GT(near.r + near.g + near.b, 2.0 * (far.r + far.g + far.b))
        << "at " << player.x << ", " << player.z;
  }
}

// Walls, floor and ceiling show their pictures; the same frame with
// texturing off has no detail at all, which is what the check would see of
// a surface drawn without its texture.
TEST_F(FrameTest, SurfacesAreTextured) {
  VORBEXIA_REQUIRE_GL(context_);
  ClearRobots();
  const PlayerState start{2.0f, 2.0f, 180.0f};
  const Image textured = Render(start);
  EXPECT_GT(Detail(textured, 700, 200, 780, 400), 2.0) << "wall";
  EXPECT_GT(Detail(textured, 20, 520, 180, 590), 2.0) << "floor";
  EXPECT_GT(Detail(textured, 100, 10, 700, 100), 2.0) << "ceiling";
  glDisable(GL_TEXTURE_2D);
  const Image plain = Render(start);
  EXPECT_LT(Detail(plain, 700, 200, 780, 400), 1.5) << "wall";
  EXPECT_LT(Detail(plain, 20, 520, 180, 590), 1.5) << "floor";
  EXPECT_LT(Detail(plain, 100, 10, 700, 100), 1.5) << "ceiling";
}

// A frame compared with its golden image: at most 0.2% of the pixels may
// differ by more than 24 levels in a channel.
void CompareWithGolden(const std::string& name, const Image& image) {
  const std::string path = GoldenPath(name);
  if (UpdatingGoldens()) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    ASSERT_TRUE(WritePpm(path, image)) << path;
    return;
  }
  Image golden;
  ASSERT_TRUE(ReadPpm(path, golden))
      << path << " missing: run from the repository root, or regenerate it "
      << "with VORBEXIA_UPDATE_GOLDEN=1";
  ASSERT_EQ(golden.width, image.width);
  ASSERT_EQ(golden.height, image.height);
  const int different = CountDifferentPixels(golden, image, 24);
  const int allowed = image.width * image.height / 500;
  if (different > allowed) {
    const std::string actual =
        (std::filesystem::temp_directory_path() / (name + ".actual.ppm")).string();
    WritePpm(actual, image);
    ADD_FAILURE() << name << ": " << different << " pixels differ (allowed "
                  << allowed << "); this frame is in " << actual;
  }
}

// Goldens are kept at half the size (400 x 300, the same view) to keep the
// repository small.
constexpr int kGoldenWidth = 400;
constexpr int kGoldenHeight = 300;

class GoldenFrameTest : public FrameTest {
 protected:
  // The goldens are the reference drawing's frames.
  Image RenderGolden(const PlayerState& player) {
    renderer_.set_drawing(SceneDrawing::kReference);
    renderer_.SetViewport(kGoldenWidth, kGoldenHeight,
                          static_cast<double>(kGoldenWidth) / kGoldenHeight);
    state_.player = player;
    StepAndDraw();
    return ReadBackBuffer(kGoldenWidth, kGoldenHeight);
  }
};

// The start: (2, 2), looking along +z, robots just off their start places.
TEST_F(GoldenFrameTest, StartView) {
  VORBEXIA_REQUIRE_GL(context_);
  CompareWithGolden("start", RenderGolden(PlayerState{2.0f, 2.0f, 180.0f}));
}

// Robots ahead, live and destroyed, and a shot in flight.
TEST_F(GoldenFrameTest, RobotsAndShot) {
  VORBEXIA_REQUIRE_GL(context_);
  state_.robots[0] = RobotState{4.0f, 8.5f, 30.0f, 3};
  state_.robots[1] = RobotState{6.5f, 10.0f, 200.0f, 0};
  state_.robots[2] = RobotState{3.0f, 12.0f, 180.0f, 2};
  state_.robots[3] = RobotState{7.0f, 14.0f, 90.0f, 1};
  state_.robots[4] = RobotState{2.0f, 16.0f, 45.0f, -1};
  state_.shot = ShotState{1, 5.0f, 7.0f, 180.0f};
  CompareWithGolden("robots", RenderGolden(PlayerState{5.0f, 5.0f, 180.0f}));
}

// Looking up the west corridor at the green light.
TEST_F(GoldenFrameTest, GreenLight) {
  VORBEXIA_REQUIRE_GL(context_);
  ClearRobots();
  CompareWithGolden("green_light", RenderGolden(PlayerState{3.0f, 13.0f, 180.0f}));
}

// Into the niche of the blue light at (31, 9), turned a little to the right.
TEST_F(GoldenFrameTest, BlueNiche) {
  VORBEXIA_REQUIRE_GL(context_);
  ClearRobots();
  CompareWithGolden("blue_niche", RenderGolden(PlayerState{37.0f, 2.0f, 160.0f}));
}

}  // namespace
}  // namespace vorbexia
