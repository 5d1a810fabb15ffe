// The frame's structure: the maze quads and their order, the camera, the
// lights' places and the movers' transforms.
#include "render/scene.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "render/feedback.h"
#include "render/lights.h"
#include "render/movers.h"
#include "render/render_state.h"
#include "support/gl_test_context.h"
#include "render/gl_matrix.h"
#include "render/owned_quadrics.h"
#include "render/view_volume.h"
#include "world/world.h"

namespace vorbexia {
namespace {

using Vec4 = std::array<float, 4>;

GLuint BoundTexture() {
  GLint name = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
  return static_cast<GLuint>(name);
}

struct Corner {
  float x, y, z, s, t;
};

void ExpectQuad(const FeedbackQuad& quad, const std::array<Corner, 4>& expected) {
  ASSERT_EQ(quad.size(), 4u);
  for (int v = 0; v < 4; ++v) {
    EXPECT_NEAR(quad[v].x, expected[v].x, 1e-4) << "vertex " << v;
    EXPECT_NEAR(quad[v].y, expected[v].y, 1e-4) << "vertex " << v;
    EXPECT_NEAR(quad[v].z, expected[v].z, 1e-4) << "vertex " << v;
    EXPECT_EQ(quad[v].s, expected[v].s) << "vertex " << v;
    EXPECT_EQ(quad[v].t, expected[v].t) << "vertex " << v;
  }
}

// Start x (or z) of each strip, along the strip's running coordinate.
std::vector<float> StripStarts(const std::vector<FeedbackQuad>& quads,
                               bool along_x) {
  std::vector<float> starts;
  for (const FeedbackQuad& quad : quads) {
    // z comes back through the depth range: good to 1e-5, not exact.
    const float start = along_x ? quad[0].x : quad[0].z;
    starts.push_back(std::round(start * 1000.0f) / 1000.0f);
  }
  return starts;
}

class SceneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!context_.ok()) return;
    ASSERT_TRUE(InitGL(resources_, [](const char*) {}));
    SetupLevel(state_);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
  }

  // One game frame: the world steps, then the frame is drawn.
  void StepAndDraw(Random& random) {
    AdvanceWorld(state_, random);
    DrawScene(state_, resources_, SceneDrawing::kReference);
  }

  std::vector<FeedbackQuad> WallQuads(float x1, float x2, float z1, float z2) {
    return QuadsOf(CaptureTriangles(
        [&] { DrawWall(resources_.textures, WallSegment{x1, x2, z1, z2}); }));
  }

  std::vector<FeedbackQuad> FloorQuads(float x_min, float x_max, float z_min,
                                       float z_max) {
    return QuadsOf(CaptureTriangles([&] {
      DrawFloorAndCeiling(resources_.textures, FloorRect{x_min, x_max, z_min, z_max},
                          Sight{CurrentViewVolume(), WallShadows{}});
    }));
  }

  GlTestContext context_{64, 64};
  GameState state_;
  GlResources resources_;
  OwnedQuadrics quadrics_{resources_};
};

TEST_F(SceneTest, WallStripStandsOnTheFloorPointsWithItsTexture) {
  VORBEXIA_REQUIRE_GL(context_);
  const auto quads = QuadsOf(CaptureTriangles(
      [&] { DrawWallStrip(resources_.textures, 3.0f, 7.0f, 4.0f, 7.0f); }));
  ASSERT_EQ(quads.size(), 1u);
  ExpectQuad(quads[0], {{{3, 0, 7, 0, 0}, {4, 0, 7, 1, 0}, {4, 1.5f, 7, 1, 1},
                         {3, 1.5f, 7, 0, 1}}});
  EXPECT_EQ(BoundTexture(), resources_.textures[0]);
}

TEST_F(SceneTest, FloorTileFacesUpWithItsTexture) {
  VORBEXIA_REQUIRE_GL(context_);
  const auto quads = QuadsOf(CaptureTriangles(
      [&] { DrawFloorTile(resources_.textures, 5.0f, 8.0f, 6.0f, 9.0f); }));
  ASSERT_EQ(quads.size(), 1u);
  ExpectQuad(quads[0], {{{5, 0, 8, 0, 0}, {5, 0, 9, 1, 0}, {6, 0, 9, 1, 1},
                         {6, 0, 8, 0, 1}}});
  EXPECT_EQ(BoundTexture(), resources_.textures[1]);
}

TEST_F(SceneTest, CeilingTileFacesUpLikeTheFloorAtWallHeight) {
  VORBEXIA_REQUIRE_GL(context_);
  const auto quads = QuadsOf(CaptureTriangles(
      [&] { DrawCeilingTile(resources_.textures, 5.0f, 8.0f, 6.0f, 9.0f); }));
  ASSERT_EQ(quads.size(), 1u);
  ExpectQuad(quads[0], {{{5, 1.5f, 8, 0, 0}, {5, 1.5f, 9, 1, 0},
                         {6, 1.5f, 9, 1, 1}, {6, 1.5f, 8, 0, 1}}});
  EXPECT_EQ(BoundTexture(), resources_.textures[2]);
}

TEST_F(SceneTest, WallAlongXIsCutIntoUnitStripsFromItsSmallerEnd) {
  VORBEXIA_REQUIRE_GL(context_);
  const auto forward = WallQuads(2.0f, 5.0f, 4.0f, 4.0f);
  const auto backward = WallQuads(5.0f, 2.0f, 4.0f, 4.0f);
  EXPECT_EQ(StripStarts(forward, true), (std::vector<float>{2, 3, 4}));
  EXPECT_EQ(StripStarts(backward, true), (std::vector<float>{2, 3, 4}));
  ASSERT_EQ(backward.size(), 3u);
  ExpectQuad(backward[1], {{{3, 0, 4, 0, 0}, {4, 0, 4, 1, 0}, {4, 1.5f, 4, 1, 1},
                            {3, 1.5f, 4, 0, 1}}});
}

TEST_F(SceneTest, WallAlongZRunsAtItsXFromTheSmallerZ) {
  VORBEXIA_REQUIRE_GL(context_);
  const auto quads = WallQuads(10.0f, 10.0f, 15.0f, 13.0f);
  EXPECT_EQ(StripStarts(quads, false), (std::vector<float>{13, 14}));
  ASSERT_EQ(quads.size(), 2u);
  ExpectQuad(quads[1], {{{10, 0, 14, 0, 0}, {10, 0, 15, 1, 0},
                         {10, 1.5f, 15, 1, 1}, {10, 1.5f, 14, 0, 1}}});
}

// 2.5 units long: three strips, the last reaching 0.5 past the end.
TEST_F(SceneTest, FractionalWallGetsAStripPastItsEnd) {
  VORBEXIA_REQUIRE_GL(context_);
  const auto quads = WallQuads(1.0f, 3.5f, 6.0f, 6.0f);
  EXPECT_EQ(StripStarts(quads, true), (std::vector<float>{1, 2, 3}));
  ASSERT_EQ(quads.size(), 3u);
  EXPECT_EQ(quads[2][1].x, 4.0f);
}

TEST_F(SceneTest, WallWithEqualEndsDrawsNothing) {
  VORBEXIA_REQUIRE_GL(context_);
  EXPECT_TRUE(WallQuads(4.0f, 4.0f, 9.0f, 9.0f).empty());
}

// A wall along x hands z1 and z2 to every strip as they are.
TEST_F(SceneTest, WallAlongXPassesBothZsUnchanged) {
  VORBEXIA_REQUIRE_GL(context_);
  const auto quads = WallQuads(0.0f, 2.0f, 3.0f, 5.0f);
  ASSERT_EQ(quads.size(), 2u);
  EXPECT_NEAR(quads[1][0].z, 3.0f, 1e-4);
  EXPECT_NEAR(quads[1][1].z, 5.0f, 1e-4);
}

// Column by column along x, each floor tile followed by its ceiling tile.
TEST_F(SceneTest, FloorAndCeilingAlternateColumnByColumn) {
  VORBEXIA_REQUIRE_GL(context_);
  const auto quads = FloorQuads(0.0f, 2.0f, 0.0f, 3.0f);
  ASSERT_EQ(quads.size(), 12u);
  const float expected_x[6] = {0, 0, 0, 1, 1, 1};
  const float expected_z[6] = {0, 1, 2, 0, 1, 2};
  for (int tile = 0; tile < 6; ++tile) {
    const FeedbackQuad& floor = quads[2 * tile];
    const FeedbackQuad& ceiling = quads[2 * tile + 1];
    EXPECT_EQ(floor[0].x, expected_x[tile]) << "tile " << tile;
    EXPECT_NEAR(floor[0].z, expected_z[tile], 1e-4) << "tile " << tile;
    EXPECT_EQ(floor[0].y, 0.0f) << "tile " << tile;
    EXPECT_EQ(ceiling[0].x, expected_x[tile]) << "tile " << tile;
    EXPECT_NEAR(ceiling[0].z, expected_z[tile], 1e-4) << "tile " << tile;
    EXPECT_NEAR(ceiling[0].y, 1.5f, 1e-6) << "tile " << tile;
  }
}

// x_min 0.7 and -0.5 both truncate to 0; x_max 59.5 still draws column 59.
TEST_F(SceneTest, FloorEdgesTruncateTowardZero) {
  VORBEXIA_REQUIRE_GL(context_);
  for (float x_min : {0.7f, -0.5f}) {
    const auto quads = FloorQuads(x_min, 2.0f, 0.0f, 1.0f);
    ASSERT_EQ(quads.size(), 4u) << "x_min " << x_min;
    EXPECT_EQ(quads[0][0].x, 0.0f) << "x_min " << x_min;
    EXPECT_EQ(quads[2][0].x, 1.0f) << "x_min " << x_min;
  }
  const auto far = FloorQuads(57.0f, 59.5f, 0.0f, 1.0f);
  ASSERT_EQ(far.size(), 6u);
  EXPECT_EQ(far[4][0].x, 59.0f);
  EXPECT_EQ(far[4][2].x, 60.0f);
  // -1.5 truncates to -1, not -2.
  const auto negative = FloorQuads(-1.5f, 0.0f, 0.0f, 1.0f);
  ASSERT_EQ(negative.size(), 2u);
  EXPECT_EQ(negative[0][0].x, -1.0f);
}

TEST_F(SceneTest, EmptyFloorRectangleDrawsNothing) {
  VORBEXIA_REQUIRE_GL(context_);
  EXPECT_TRUE(FloorQuads(3.7f, 3.0f, 0.0f, 5.0f).empty());
  EXPECT_TRUE(FloorQuads(0.0f, 5.0f, 2.0f, 2.0f).empty());
}

// A tile wholly outside the view sends no vertex but still binds its
// texture, so the quads around it stay as many draws as before. The
// feedback's view reaches 100 units every way.
TEST_F(SceneTest, TilesOutsideTheViewOnlyBindTheirTexture) {
  VORBEXIA_REQUIRE_GL(context_);
  EXPECT_EQ(FloorQuads(97.0f, 99.0f, 0.0f, 1.0f).size(), 4u);
  glBindTexture(GL_TEXTURE_2D, 0);
  EXPECT_TRUE(FloorQuads(150.0f, 152.0f, 0.0f, 1.0f).empty());
  EXPECT_EQ(BoundTexture(), resources_.textures[2]);
  glBindTexture(GL_TEXTURE_2D, 0);
  EXPECT_TRUE(FloorQuads(0.0f, 2.0f, -160.0f, -158.0f).empty());
  EXPECT_EQ(BoundTexture(), resources_.textures[2]);
}

// The robots' heads and the shot are sampled at the current texture
// coordinate, which every maze quad leaves at (0, 1): the maze leaves it so
// even when the view left out every quad. The current normal, which lights
// the maze, is not touched.
TEST_F(SceneTest, MazeLeavesTexCoordZeroOneAndTheNormalAsItWas) {
  VORBEXIA_REQUIRE_GL(context_);
  state_.walls.fill(WallSegment{0.0f, 0.0f, 0.0f, 0.0f});
  glNormal3f(0.6f, 0.0f, 0.8f);
  glTexCoord2f(0.25f, 0.75f);
  const auto quads = QuadsOf(CaptureTriangles([&] {
    glTranslatef(-1000.0f, 0.0f, 0.0f);  // the whole floor far off to the side
    DrawMaze(state_, resources_.textures, Sight{CurrentViewVolume(), WallShadows{}});
  }));
  EXPECT_TRUE(quads.empty());
  std::array<float, 4> coord{}, normal{};
  glGetFloatv(GL_CURRENT_TEXTURE_COORDS, coord.data());
  glGetFloatv(GL_CURRENT_NORMAL, normal.data());
  EXPECT_EQ(coord[0], 0.0f);
  EXPECT_EQ(coord[1], 1.0f);
  EXPECT_EQ(normal[0], 0.6f);
  EXPECT_EQ(normal[2], 0.8f);
}

// Robots outside the view take their step but are not drawn; one in view
// is. The robot list here only sets a texture coordinate, so the one left
// current tells whether any robot was drawn.
TEST_F(SceneTest, RobotsOutsideTheViewAreSteppedNotDrawn) {
  VORBEXIA_REQUIRE_GL(context_);
  resources_.robot_list = glGenLists(1);
  glNewList(resources_.robot_list, GL_COMPILE);
  glTexCoord2f(0.5f, 0.25f);
  glEndList();
  state_.player = PlayerState{10.0f, 2.0f, 180.0f};
  for (int i = 0; i < kRobotCount; ++i) {
    state_.robots[i] = RobotState{300.0f + 4 * i, 10.0f, 90.0f * i, 3};
  }
  auto robot_drawn = [&] {
    GameState expected = state_;
    Random random, expected_random;
    AdvanceWorld(expected, expected_random);
    QuadsOf(CaptureTriangles([&] { StepAndDraw(random); }));
    for (int i = 0; i < kRobotCount; ++i) {
      EXPECT_EQ(state_.robots[i].x, expected.robots[i].x) << "robot " << i;
      EXPECT_EQ(state_.robots[i].z, expected.robots[i].z) << "robot " << i;
      EXPECT_EQ(state_.robots[i].heading, expected.robots[i].heading) << "robot " << i;
    }
    std::array<float, 4> coord{};
    glGetFloatv(GL_CURRENT_TEXTURE_COORDS, coord.data());
    return coord[0] == 0.5f && coord[1] == 0.25f;
  };
  EXPECT_FALSE(robot_drawn());
  state_.robots[3] = RobotState{10.0f, 12.0f, 0.0f, 3};  // 10 units ahead
  EXPECT_TRUE(robot_drawn());
  glDeleteLists(resources_.robot_list, 1);
}

// The whole level, nothing left out: 320 wall strips in table order, then
// 2,100 floor tiles each followed by its ceiling tile.
TEST_F(SceneTest, MazeDrawsTheWallsFirstThenFloorAndCeilingTileByTile) {
  VORBEXIA_REQUIRE_GL(context_);
  const auto quads = QuadsOf(CaptureTriangles([&] {
    DrawMaze(state_, resources_.textures, Sight{CurrentViewVolume(), WallShadows{}});
  }));
  ASSERT_EQ(quads.size(), 4520u);
  ExpectQuad(quads[0], {{{0, 0, 0, 0, 0}, {1, 0, 0, 1, 0},
                         {1, 1.5f, 0, 1, 1}, {0, 1.5f, 0, 0, 1}}});
  for (int i = 0; i < 320; ++i) {
    ASSERT_NE(quads[i][0].y, quads[i][2].y) << "quad " << i << " not a wall";
  }
  for (int i = 320; i < 4520; ++i) {
    const float height = (i - 320) % 2 == 0 ? 0.0f : 1.5f;
    ASSERT_NEAR(quads[i][0].y, height, 1e-5) << "quad " << i;
    ASSERT_NEAR(quads[i][2].y, height, 1e-5) << "quad " << i;
  }
  // The last tile: column 59, row 34.
  EXPECT_EQ(quads[4519][2].x, 60.0f);
  EXPECT_NEAR(quads[4519][2].z, 35.0f, 1e-4);
}

// A frame from the corner (0, 0), models left out (list 0 draws nothing):
// all 320 wall strips first, then floor and ceiling tile by tile, without
// the tiles that lie behind a wall, such as those beyond the wall along
// z 20 from x 0 to 10.
TEST_F(SceneTest, FrameDrawsAllWallsThenTheTilesNotBehindWalls) {
  VORBEXIA_REQUIRE_GL(context_);
  state_.player = PlayerState{0.0f, 0.0f, 360.0f};  // camera turned by 0
  Random random;
  const auto quads =
      QuadsOf(CaptureTriangles([&] { StepAndDraw(random); }));
  ASSERT_GT(quads.size(), 320u + 2 * 500);
  ASSERT_LT(quads.size(), 4520u);
  // Eye coordinates: the world lowered by the eye height 0.45.
  ExpectQuad(quads[0], {{{0, -0.45f, 0, 0, 0}, {1, -0.45f, 0, 1, 0},
                         {1, 1.05f, 0, 1, 1}, {0, 1.05f, 0, 0, 1}}});
  for (int i = 0; i < 320; ++i) {
    ASSERT_NE(quads[i][0].y, quads[i][2].y) << "quad " << i << " not a wall";
  }
  auto has_floor_tile = [&](float x, float z) {
    for (size_t i = 320; i < quads.size(); i += 2) {
      if (quads[i][0].x == x && std::fabs(quads[i][0].z - z) < 1e-4f) return true;
    }
    return false;
  };
  for (size_t i = 320; i < quads.size(); ++i) {
    const float height = (i - 320) % 2 == 0 ? -0.45f : 1.05f;
    ASSERT_NEAR(quads[i][0].y, height, 1e-5) << "quad " << i;
  }
  EXPECT_TRUE(has_floor_tile(2.0f, 15.0f));
  EXPECT_TRUE(has_floor_tile(2.0f, 20.0f));  // touches the wall from behind
  EXPECT_FALSE(has_floor_tile(2.0f, 25.0f));
}

// Heading 180 turns the camera by 180 degrees: a point 3 units along +z
// from the player lies 3 units ahead of the eye (eye -z).
TEST_F(SceneTest, CameraAtTheStartLooksAlongPlusZ) {
  VORBEXIA_REQUIRE_GL(context_);
  Random random;
  StepAndDraw(random);
  const Matrix m = Modelview();
  ExpectMatrixNear(m, {-1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 2, -0.45f, 2, 1});
  const float eye_z = m[2] * 2.0f + m[6] * 0.45f + m[10] * 5.0f + m[14];
  EXPECT_NEAR(eye_z, -3.0f, 1e-5);
}

// Heading 90 looks along -x: the camera turns by 270 degrees.
TEST_F(SceneTest, CameraAtHeadingNinetyLooksAlongMinusX) {
  VORBEXIA_REQUIRE_GL(context_);
  state_.player = PlayerState{10.0f, 3.0f, 90.0f};
  Random random;
  StepAndDraw(random);
  // Rotation by 270 about y, then the translation by (-10, -0.45, -3).
  ExpectMatrixNear(Modelview(),
                   {0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 3, -0.45f, -10, 1});
}

// OpenGL keeps light positions in eye coordinates.
TEST_F(SceneTest, LightsStandAtTheirPlacesInTheWorld) {
  VORBEXIA_REQUIRE_GL(context_);
  Random random;
  StepAndDraw(random);  // at (2, 2), heading 180
  // Eye coordinates at heading 180: (2 - x, height above the eye, 2 - z).
  const std::array<Vec4, 8> expected = {{{1, 0.35000002f, -17, 1},
                                         {-9, 0.3f, -32, 1},
                                         {-10, 0.45f, 0, 1},
                                         {-10, 0.45f, -14, 1},
                                         {0, 0.3f, 0, 1},
                                         {-29, 0.35000002f, -7, 1},
                                         {-47, 0.3f, 0, 1},
                                         {-47, 0.45f, -17, 1}}};
  for (int n = 0; n < 8; ++n) {
    Vec4 position{};
    glGetLightfv(GL_LIGHT0 + n, GL_POSITION, position.data());
    for (int a = 0; a < 4; ++a) {
      EXPECT_NEAR(position[a], expected[n][a], 1e-5) << "light " << n;
    }
  }
}

TEST_F(SceneTest, ViewerLightFollowsTheEyeAtAnyPlaceAndHeading) {
  VORBEXIA_REQUIRE_GL(context_);
  Random random;
  for (const PlayerState player : {PlayerState{7.25f, 3.5f, 33.0f},
                                   PlayerState{45.0f, 18.0f, -721.0f}}) {
    state_.player = player;
    StepAndDraw(random);
    Vec4 position{};
    glGetLightfv(GL_LIGHT4, GL_POSITION, position.data());
    EXPECT_EQ(position, (Vec4{0, 0.3f, 0, 1}));
  }
}

// At (10, 3) with heading 90 (looking along -x) the green light at (1, 19)
// stands 9 units ahead and 16 to the left: eye x -16, eye z -9.
TEST_F(SceneTest, LightsTurnWithTheCamera) {
  VORBEXIA_REQUIRE_GL(context_);
  state_.player = PlayerState{10.0f, 3.0f, 90.0f};
  Random random;
  StepAndDraw(random);
  Vec4 position{};
  glGetLightfv(GL_LIGHT0, GL_POSITION, position.data());
  EXPECT_NEAR(position[0], -16.0f, 1e-5);
  EXPECT_NEAR(position[1], 0.35000002f, 1e-7);
  EXPECT_NEAR(position[2], -9.0f, 1e-5);
}

TEST(LightPositionsTest, HighLightsHangOneUlpAboveThreeAndAHalfTenths) {
  const auto positions = LightPositions(2.0f, 2.0f);
  EXPECT_EQ(positions[0][1], std::nextafter(0.35f, 1.0f));
  EXPECT_EQ(positions[5][1], std::nextafter(0.35f, 1.0f));
  EXPECT_EQ(positions[1][1], 0.3f);
  EXPECT_EQ(positions[2][1], 0.45f);
}

// The gun: 0.1 ahead of the player along the heading, at height 0.35,
// turned by heading + 180.
TEST_F(SceneTest, WeaponHangsJustAheadOfTheViewer) {
  VORBEXIA_REQUIRE_GL(context_);
  resources_.gun_list = 0;  // the placement alone
  DrawWeapon(state_, resources_, 2.0f, 2.0f);  // heading 180: ahead is +z
  ExpectMatrixNear(Modelview(), {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 2, 0.35f, 2.1f, 1});
  EXPECT_EQ(BoundTexture(), resources_.textures[3]);
  glLoadIdentity();
  state_.player.heading = 90.0f;  // ahead is -x
  DrawWeapon(state_, resources_, 2.0f, 2.0f);
  ExpectMatrixNear(Modelview(), {0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 1.9f, 0.35f, 2, 1});
}

TEST_F(SceneTest, LiveRobotStandsOnItsPlaceFacingItsHeading) {
  VORBEXIA_REQUIRE_GL(context_);
  state_.robots[2] = RobotState{4.0f, 5.0f, 90.0f, 1};
  DrawRobot(state_, resources_, 2);
  // Robot list 0 draws nothing: this is the placement, then the list.
  ExpectMatrixNear(Modelview(), {0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 4, 0.3f, 5, 1});
  EXPECT_EQ(BoundTexture(), resources_.textures[6]);
}

// Lying on its back: the model's front (+z) points up, its top (+y) against
// the heading (heading 90 points along -x, so the top points along +x).
TEST_F(SceneTest, DestroyedRobotLiesOnItsBackWithTheOtherTexture) {
  VORBEXIA_REQUIRE_GL(context_);
  for (int hp : {0, -1}) {
    glLoadIdentity();
    state_.robots[2] = RobotState{4.0f, 5.0f, 90.0f, hp};
    DrawRobot(state_, resources_, 2);
    ExpectMatrixNear(Modelview(), {0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 4, 0.1f, 5, 1});
    EXPECT_EQ(BoundTexture(), resources_.textures[5]) << "hp " << hp;
  }
}

TEST_F(SceneTest, ShotFliesAtItsHeightNoseAlongItsHeading) {
  VORBEXIA_REQUIRE_GL(context_);
  state_.shot = ShotState{1, 2.0f, 2.7f, 90.0f};
  DrawShot(state_, resources_);
  ExpectMatrixNear(Modelview(), {0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 2, 0.25f, 2.7f, 1});
  EXPECT_EQ(BoundTexture(), resources_.textures[4]);
}

// A list of our own in place of the shot model marks the texture
// coordinate (0.5, 0.25) when it runs; with no other model drawn, the frame
// leaves that coordinate only if the shot was drawn.
class ShotDrawingTest : public SceneTest {
 protected:
  void SetUp() override {
    SceneTest::SetUp();
    if (!context_.ok()) return;
    resources_.shot_list = glGenLists(1);
    glNewList(resources_.shot_list, GL_COMPILE);
    glTexCoord2f(0.5f, 0.25f);
    glEndList();
    for (int i = 0; i < kRobotCount; ++i) {
      state_.robots[i] = RobotState{40.0f + i, 2.0f, 0.0f, 0};  // lying still
    }
  }

  bool ShotDrawnInFrame() {
    Random random;
    StepAndDraw(random);
    std::array<float, 4> coord{};
    glGetFloatv(GL_CURRENT_TEXTURE_COORDS, coord.data());
    return coord[0] == 0.5f && coord[1] == 0.25f;
  }
};

TEST_F(ShotDrawingTest, FreeStepMovesAndDrawsTheShot) {
  VORBEXIA_REQUIRE_GL(context_);
  state_.shot = ShotState{1, 2.0f, 2.2f, 180.0f};
  EXPECT_TRUE(ShotDrawnInFrame());
  EXPECT_EQ(state_.shot.active, 1);
  EXPECT_EQ(state_.shot.z, 2.7f);
}

TEST_F(ShotDrawingTest, NoShotNothingDrawn) {
  VORBEXIA_REQUIRE_GL(context_);
  EXPECT_FALSE(ShotDrawnInFrame());
}

// Into robot 0's box: the robot pays a hit point, the shot ends undrawn.
TEST_F(ShotDrawingTest, BlockedStepEndsTheShotUndrawn) {
  VORBEXIA_REQUIRE_GL(context_);
  state_.robots[0] = RobotState{2.0f, 3.2f, 0.0f, 2};
  state_.shot = ShotState{1, 2.0f, 2.2f, 180.0f};
  EXPECT_FALSE(ShotDrawnInFrame());
  EXPECT_EQ(state_.shot.active, 0);
  EXPECT_EQ(state_.robots[0].hp, 1);
}

}  // namespace
}  // namespace vorbexia
