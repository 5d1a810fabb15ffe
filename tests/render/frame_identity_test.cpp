// The renderer's reference drawing against the plain quad-by-quad frame of
// reference_scene: the maze with the tiles outside the view or behind a
// wall left out must give the very same pixels, read from the back buffer
// before any swap at 800 x 600. (The fast drawing is held to the reference
// in fast_frame_test.cpp.)
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

#include "render/gl_renderer.h"
#include "render/golden_image.h"
#include "render/reference_scene.h"
#include "support/gl_test_context.h"
#include "world/heading.h"
#include "world/world.h"

namespace vorbexia {
namespace {


struct View {
  const char* name;
  PlayerState player;  // x, z in world units; heading in degrees
};

// Headings: 0 looks down -z, 90 down -x, 180 down +z, 270 down +x.
constexpr View kViews[] = {
    {"start, along the west wall", {2.0f, 2.0f, 180.0f}},
    {"two units from the south wall", {2.0f, 2.0f, 0.0f}},
    {"nose against the west wall", {0.31f, 10.0f, 90.0f}},
    {"down the corridor z 10 to 15", {47.0f, 12.5f, 90.0f}},
    {"up the same corridor", {31.0f, 12.5f, 270.0f}},
    {"out of the north-east corner", {48.0f, 33.0f, 45.0f}},
    {"into the north-east corner", {42.0f, 25.0f, 225.0f}},
    {"a corner at an odd heading", {11.0f, 21.0f, 317.5f}},
    {"across the middle room", {20.0f, 10.0f, 33.3f}},
    {"along a diagonal", {25.0f, 27.5f, 135.7f}},
    {"under the green light", {3.0f, 13.0f, 180.0f}},
    {"towards the blue light", {37.0f, 2.0f, 160.0f}},
};

class FrameIdentityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!context_.ok()) return;
    renderer_.set_drawing(SceneDrawing::kReference);
    SetViewport(kWidth, kHeight);
    ASSERT_TRUE(renderer_.InitGL());
    ASSERT_TRUE(renderer_.BuildModels());
    SeedRandom(random_, 20261207);
    SetupLevel(state_);
    SetupRobots(state_, random_);
  }

  // As the game's window sets it: the aspect divided in single precision.
  void SetViewport(int width, int height) {
    renderer_.SetViewport(width, height,
                          static_cast<float>(width) / static_cast<float>(height));
  }

  // The reference frame and the game's frame from the same state, each after
  // a game frame, so that both start with the gun's last normal current.
  void ExpectSamePixels(const PlayerState& player, const std::string& name,
                        int width = kWidth, int height = kHeight) {
    state_.player = player;
    Render(Drawing::kGame);
    const Image expected = Render(Drawing::kReference, width, height);
    const Image actual = Render(Drawing::kGame, width, height);
    EXPECT_EQ(CountDifferentPixels(expected, actual, 0), 0) << name;
    lit_pixels_ = CountDifferentPixels(expected, Black(width, height), 0);
  }

  // The game's frame steps the world, then the renderer draws it; the
  // reference steps it between the maze and the movers.
  enum class Drawing { kGame, kReference };

  // One frame from copies of the state and the generator, read back.
  Image Render(Drawing drawing, int width = kWidth, int height = kHeight) {
    GameState state = state_;
    Random random = random_;
    if (drawing == Drawing::kGame) {
      AdvanceWorld(state, random);
      renderer_.DrawScene(state);
    } else {
      DrawReferenceScene(state, random, renderer_.resources());
    }
    return ReadBackBuffer(width, height);
  }

  static Image Black(int width, int height) {
    return Image{width, height, std::vector<unsigned char>(width * height * 3)};
  }

  GlTestContext context_{kWidth, kHeight};
  GlRenderer renderer_{[](const char*) {}};
  GameState state_;
  Random random_;
  int lit_pixels_ = 0;  // of the last reference frame
};

TEST_F(FrameIdentityTest, SamePixelsFromEveryView) {
  VORBEXIA_REQUIRE_GL(context_);
  for (const View& view : kViews) {
    ExpectSamePixels(view.player, view.name);
    // A frame with something in it: walls, floor and ceiling.
    EXPECT_GT(lit_pixels_, kWidth * kHeight / 2) << view.name;
  }
}

// All round from places in rooms, corridors, corners and against walls,
// every 45 degrees from an odd start.
TEST_F(FrameIdentityTest, SamePixelsAllRound) {
  VORBEXIA_REQUIRE_GL(context_);
  const GroundPoint places[] = {{5.0f, 10.0f},  {12.5f, 2.5f}, {27.5f, 17.5f},
                                {35.0f, 30.0f}, {49.6f, 0.4f}, {20.0f, 22.5f}};
  for (const GroundPoint& place : places) {
    for (float heading = 13.0f; heading < 360.0f; heading += 45.0f) {
      ExpectSamePixels(PlayerState{place.x, place.z, heading},
                       "at " + std::to_string(place.x) + ", " +
                           std::to_string(place.z) + " heading " +
                           std::to_string(heading));
    }
  }
}

// Robots close by, one of them lying destroyed, and a shot in flight
// between them and the viewer.
TEST_F(FrameIdentityTest, SamePixelsWithRobotsAndShotInView) {
  VORBEXIA_REQUIRE_GL(context_);
  state_.robots[0] = RobotState{17.0f, 17.2f, 30.0f, 3};
  state_.robots[1] = RobotState{16.0f, 18.5f, 200.0f, 0};
  state_.robots[2] = RobotState{18.5f, 16.3f, 90.0f, 2};
  state_.shot = ShotState{1, 19.0f, 17.5f, 90.0f};
  ExpectSamePixels(PlayerState{20.0f, 17.5f, 90.0f}, "robots and shot ahead");
  ExpectSamePixels(PlayerState{20.0f, 17.5f, 60.0f}, "robots at the side");
}

// Outside the maze looking away from it, with a robot in view: not one maze
// quad is drawn, and the robot's head is still sampled at texture
// coordinate (0, 1) as after a full maze.
TEST_F(FrameIdentityTest, SamePixelsWhenNoMazeQuadIsInView) {
  VORBEXIA_REQUIRE_GL(context_);
  state_.robots[0] = RobotState{-7.0f, 17.0f, 0.0f, 3};
  state_.robots[1] = RobotState{-6.0f, 16.6f, 0.0f, 0};
  ExpectSamePixels(PlayerState{-5.0f, 17.0f, 90.0f}, "outside, looking away");
  EXPECT_GT(lit_pixels_, 1000);
}

// A viewport other than the window (the goldens' 400 x 300): the view volume
// follows the projection in force.
TEST_F(FrameIdentityTest, SamePixelsInASmallerViewport) {
  VORBEXIA_REQUIRE_GL(context_);
  SetViewport(kWidth / 2, kHeight / 2);
  ExpectSamePixels(PlayerState{2.0f, 2.0f, 180.0f}, "start, half size",
                   kWidth / 2, kHeight / 2);
  ExpectSamePixels(PlayerState{47.0f, 12.5f, 90.0f}, "corridor, half size",
                   kWidth / 2, kHeight / 2);
}

}  // namespace
}  // namespace vorbexia
