// Tiles behind walls: the shadow of one wall from the eye, its margins, and
// that a tile said to be hidden never wins a pixel from the walls.
#include "render/wall_shadow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/gl_renderer.h"
#include "render/golden_image.h"
#include "render/scene.h"
#include "support/gl_test_context.h"
#include "world/world.h"

namespace vorbexia {
namespace {

QuadCorners Tile(float x0, float z0) {
  return {{{x0, 0, z0}, {x0, 0, z0 + 1}, {x0 + 1, 0, z0 + 1}, {x0 + 1, 0, z0}}};
}

// One wall along x at z 10, from x 0 to 10; the others cast nothing.
WallShadows ShadowsOfOneWall(const WallSegment& wall, GroundPoint eye) {
  WallShadows shadows;
  shadows[0] = ShadowOf(wall, eye);
  return shadows;
}

const WallSegment kWallAtZ10{0.0f, 10.0f, 10.0f, 10.0f};

TEST(WallShadowTest, TileStraightBehindTheWallIsHidden) {
  const WallShadows shadows = ShadowsOfOneWall(kWallAtZ10, GroundPoint{5.0f, 5.0f});
  EXPECT_TRUE(QuadBehindWall(shadows, Tile(4.0f, 12.0f)));
  EXPECT_TRUE(QuadBehindWall(shadows, Tile(4.0f, 30.0f)));
  // In front of the wall, on the eye's side.
  EXPECT_FALSE(QuadBehindWall(shadows, Tile(4.0f, 8.0f)));
}

// A tile that touches the wall from behind is always drawn: its fragments
// at the wall's foot are too close to the wall's own to be sure of.
TEST(WallShadowTest, TileTouchingTheWallIsKept) {
  const WallShadows shadows = ShadowsOfOneWall(kWallAtZ10, GroundPoint{5.0f, 5.0f});
  EXPECT_FALSE(QuadBehindWall(shadows, Tile(4.0f, 10.0f)));
  EXPECT_TRUE(QuadBehindWall(shadows, Tile(4.0f, 11.0f)));
}

// From (5, 5) the ray past the wall's end (10, 10) runs at 45 degrees: at
// z 12 it passes x 12. A tile reaching that ray is kept; one a unit inside
// it is hidden.
TEST(WallShadowTest, TileReachingPastTheWallsEndIsKept) {
  const WallShadows shadows = ShadowsOfOneWall(kWallAtZ10, GroundPoint{5.0f, 5.0f});
  EXPECT_FALSE(QuadBehindWall(shadows, Tile(11.0f, 12.0f)));
  EXPECT_TRUE(QuadBehindWall(shadows, Tile(10.0f, 12.0f)));
  EXPECT_FALSE(QuadBehindWall(shadows, Tile(-3.0f, 12.0f)));  // the other end
}

TEST(WallShadowTest, ShadowFallsAwayFromTheEyeOnEitherSide) {
  const WallShadows shadows = ShadowsOfOneWall(kWallAtZ10, GroundPoint{5.0f, 15.0f});
  EXPECT_TRUE(QuadBehindWall(shadows, Tile(4.0f, 7.0f)));
  EXPECT_FALSE(QuadBehindWall(shadows, Tile(4.0f, 12.0f)));
}

// A wall seen edge-on, a wall whose ends are equal and a slanted wall (its
// strips do not lie on one line) cast no shadow.
TEST(WallShadowTest, SomeWallsCastNoShadow) {
  EXPECT_FALSE(ShadowOf(kWallAtZ10, GroundPoint{15.0f, 10.0f}).casts);
  EXPECT_FALSE(ShadowOf(WallSegment{3.0f, 3.0f, 4.0f, 4.0f}, GroundPoint{0.0f, 0.0f}).casts);
  EXPECT_FALSE(ShadowOf(WallSegment{0.0f, 10.0f, 10.0f, 12.0f}, GroundPoint{5.0f, 5.0f}).casts);
  EXPECT_TRUE(ShadowOf(WallSegment{10.0f, 10.0f, 20.0f, 0.0f}, GroundPoint{5.0f, 5.0f}).casts);
}

// With the level's walls drawn, drawing every floor and ceiling tile said
// to be hidden, in white, changes no pixel: the walls win them all.
TEST(WallShadowTest, HiddenTilesWinNoPixelFromTheWalls) {
  GlTestContext context(800, 600);
  VORBEXIA_REQUIRE_GL(context);
  GlRenderer renderer([](const char*) {});
  renderer.SetViewport(800, 600, 800.0f / 600.0f);
  GameState state;
  SetupLevel(state);
  const TextureTable no_textures{};  // name 0: the default texture
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LESS);
  const PlayerState places[] = {{2.0f, 2.0f, 180.0f},  {47.0f, 12.5f, 90.0f},
                                {20.0f, 17.5f, 90.0f}, {48.0f, 33.0f, 45.0f},
                                {11.0f, 21.0f, 317.5f}, {25.0f, 27.5f, 135.7f},
                                {5.0f, 10.0f, 238.0f}, {35.0f, 30.0f, 103.0f}};
  for (const PlayerState& place : places) {
    glLoadIdentity();
    glRotatef(360.0f - place.heading, 0.0f, 1.0f, 0.0f);
    glTranslatef(-place.x, -0.45f, -place.z);
    const WallShadows shadows = ShadowsOf(state.walls, GroundPoint{place.x, place.z});
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3f(0.5f, 0.25f, 0.0f);
    for (const WallSegment& wall : state.walls) DrawWall(no_textures, wall);
    const Image walls_only = ReadBackBuffer(800, 600);
    int hidden = 0;
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    for (float x = 0; x < 60; ++x) {
      for (float z = 0; z < 35; ++z) {
        for (float height : {0.0f, 1.5f}) {
          const QuadCorners tile{{{x, height, z}, {x, height, z + 1},
                                  {x + 1, height, z + 1}, {x + 1, height, z}}};
          if (!QuadBehindWall(shadows, tile)) continue;
          ++hidden;
          for (const WorldPoint& p : tile) glVertex3f(p.x, p.y, p.z);
        }
      }
    }
    glEnd();
    const std::string where = "at " + std::to_string(place.x) + ", " +
                              std::to_string(place.z);
    EXPECT_GT(hidden, 100) << where;
    EXPECT_EQ(CountDifferentPixels(ReadBackBuffer(800, 600), walls_only, 0), 0) << where;
  }
}

}  // namespace
}  // namespace vorbexia
