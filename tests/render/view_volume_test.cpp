// The view volume: its planes from the matrices, which quads it leaves out,
// and that what it leaves out really draws no pixel.
#include "render/view_volume.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "render/gl_renderer.h"
#include "render/golden_image.h"
#include "support/gl_test_context.h"
#include "world/world.h"

namespace vorbexia {
namespace {

constexpr std::array<float, 16> kIdentity = {1, 0, 0, 0, 0, 1, 0, 0,
                                             0, 0, 1, 0, 0, 0, 0, 1};

// A square of side 0.1 in the plane x = const, at the given x.
QuadCorners SquareAtX(float x) {
  return {{{x, 0.0f, 0.0f}, {x, 0.1f, 0.0f}, {x, 0.1f, 0.1f}, {x, 0.0f, 0.1f}}};
}

// With identity matrices the volume is the cube from -1 to 1 on every axis.
TEST(ViewVolumeTest, IdentityMatricesGiveTheUnitCube) {
  const ViewVolume view = ViewVolumeOf(kIdentity, kIdentity);
  EXPECT_FALSE(QuadOutside(view, SquareAtX(0.5f)));
  EXPECT_TRUE(QuadOutside(view, SquareAtX(1.5f)));
  EXPECT_TRUE(QuadOutside(view, SquareAtX(-1.5f)));
  // Left plane first: x + 1 >= 0, a unit normal.
  EXPECT_DOUBLE_EQ(view.planes[0][0], 1.0);
  EXPECT_DOUBLE_EQ(view.planes[0][3], 1.0);
}

// Just beyond a plane, within the margin of 0.001 units: kept, since
// OpenGL's own rounding might still put it inside. Well beyond: left out.
TEST(ViewVolumeTest, QuadsJustBeyondAPlaneAreKept) {
  const ViewVolume view = ViewVolumeOf(kIdentity, kIdentity);
  EXPECT_FALSE(QuadOutside(view, SquareAtX(1.0f)));
  EXPECT_FALSE(QuadOutside(view, SquareAtX(1.0005f)));
  EXPECT_TRUE(QuadOutside(view, SquareAtX(1.002f)));
}

// A quad larger than the volume has its corners beyond different planes,
// but not all four beyond one: it crosses the view and stays.
TEST(ViewVolumeTest, QuadAcrossTheWholeViewIsKept) {
  const ViewVolume view = ViewVolumeOf(kIdentity, kIdentity);
  const QuadCorners across{{{-5, -5, 0}, {5, -5, 0}, {5, 5, 0}, {-5, 5, 0}}};
  EXPECT_FALSE(QuadOutside(view, across));
  // Three corners beyond the right plane, one inside: kept.
  const QuadCorners mostly_right{{{0, 0, 0}, {5, 0, 0}, {5, 0.5f, 0}, {5, 0.5f, 0.5f}}};
  EXPECT_FALSE(QuadOutside(view, mostly_right));
}

// The modelview matrix moves the volume: translated by +3 on x, the world
// point x 3 is in its middle.
TEST(ViewVolumeTest, ModelviewMovesTheVolume) {
  std::array<float, 16> shifted = kIdentity;
  shifted[12] = -3.0f;  // the world moved by -3 on x
  const ViewVolume view = ViewVolumeOf(kIdentity, shifted);
  EXPECT_FALSE(QuadOutside(view, SquareAtX(3.5f)));
  EXPECT_TRUE(QuadOutside(view, SquareAtX(0.5f)));
}

// A ball is out only when all of it, and the margin, lies beyond a plane.
TEST(ViewVolumeTest, BallOutsideOnlyWhenWhollyBeyondAPlane) {
  const ViewVolume view = ViewVolumeOf(kIdentity, kIdentity);
  EXPECT_FALSE(BallOutside(view, WorldPoint{1.5f, 0.0f, 0.0f}, 0.6));
  EXPECT_TRUE(BallOutside(view, WorldPoint{1.7f, 0.0f, 0.0f}, 0.6));
  EXPECT_FALSE(BallOutside(view, WorldPoint{0.0f, -1.6005f, 0.0f}, 0.6));
  EXPECT_TRUE(BallOutside(view, WorldPoint{0.0f, 0.0f, -1.61f}, 0.6));
}

// The game's camera at the start, (2, 2) looking along +z with the
// projection of an 800 x 600 window: 45 degrees vertically, near 0.1,
// far 100 world units.
class GameViewVolumeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!context_.ok()) return;
    renderer_.SetViewport(800, 600, 800.0f / 600.0f);
    LookFrom(2.0f, 2.0f, 180.0f);
  }

  void LookFrom(float x, float z, float heading) {
    glLoadIdentity();
    glRotatef(360.0f - heading, 0.0f, 1.0f, 0.0f);
    glTranslatef(-x, -0.45f, -z);
  }

  static QuadCorners FloorTile(float x0, float z0) {
    return {{{x0, 0, z0}, {x0, 0, z0 + 1}, {x0 + 1, 0, z0 + 1}, {x0 + 1, 0, z0}}};
  }

  GlTestContext context_{800, 600};
  GlRenderer renderer_{[](const char*) {}};
};

// The eye is 0.45 above the floor and sees 22.5 degrees below the horizon,
// so the floor shows from 0.45 / tan 22.5 = 1.086 units ahead on.
TEST_F(GameViewVolumeTest, FloorShowsFromJustOverAUnitAhead) {
  VORBEXIA_REQUIRE_GL(context_);
  const ViewVolume view = CurrentViewVolume();
  EXPECT_TRUE(QuadOutside(view, FloorTile(1.5f, 2.0f)));    // up to 1 ahead
  EXPECT_FALSE(QuadOutside(view, FloorTile(1.5f, 2.5f)));   // up to 1.5 ahead
  EXPECT_TRUE(QuadOutside(view, FloorTile(1.5f, 0.0f)));    // behind
  EXPECT_FALSE(QuadOutside(view, FloorTile(1.5f, 50.0f)));  // far ahead
  EXPECT_TRUE(QuadOutside(view, FloorTile(1.5f, 103.0f)));  // past 100
}

// Sideways the view reaches atan(tan 22.5 x 4/3) = 28.9 degrees: at 10
// units ahead, 5.52 units to either side.
TEST_F(GameViewVolumeTest, SidesFollowTheAspect) {
  VORBEXIA_REQUIRE_GL(context_);
  const ViewVolume view = CurrentViewVolume();
  // Looking along +z, the viewer's left is +x.
  EXPECT_FALSE(QuadOutside(view, FloorTile(2.0f + 5.3f, 11.5f)));
  EXPECT_TRUE(QuadOutside(view, FloorTile(2.0f + 5.9f, 11.5f)));
  EXPECT_FALSE(QuadOutside(view, FloorTile(2.0f - 6.3f, 11.5f)));
  EXPECT_TRUE(QuadOutside(view, FloorTile(2.0f - 6.9f, 11.5f)));
}

// Whatever the volume leaves out draws nothing: every left-out floor and
// ceiling tile of the level, drawn plain white on black with no depth test,
// from several places, leaves the whole window black.
TEST_F(GameViewVolumeTest, LeftOutQuadsCoverNoPixel) {
  VORBEXIA_REQUIRE_GL(context_);
  GameState state;
  SetupLevel(state);
  glPushAttrib(GL_ENABLE_BIT);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_DEPTH_TEST);
  glColor3f(1.0f, 1.0f, 1.0f);
  const PlayerState places[] = {{2.0f, 2.0f, 180.0f}, {0.31f, 10.0f, 90.0f},
                                {47.0f, 12.5f, 90.0f}, {25.0f, 27.5f, 135.7f},
                                {11.0f, 21.0f, 317.5f}};
  for (const PlayerState& place : places) {
    LookFrom(place.x, place.z, place.heading);
    const ViewVolume view = CurrentViewVolume();
    std::vector<QuadCorners> left_out;
    for (float x = 0; x < 60; ++x) {
      for (float z = 0; z < 35; ++z) {
        for (float height : {0.0f, 1.5f}) {
          const QuadCorners tile{{{x, height, z}, {x, height, z + 1},
                                  {x + 1, height, z + 1}, {x + 1, height, z}}};
          if (QuadOutside(view, tile)) left_out.push_back(tile);
        }
      }
    }
    ASSERT_GT(left_out.size(), 2000u);
    glClear(GL_COLOR_BUFFER_BIT);
    glBegin(GL_QUADS);
    for (const QuadCorners& quad : left_out) {
      for (const WorldPoint& p : quad) glVertex3f(p.x, p.y, p.z);
    }
    glEnd();
    const Image image = ReadBackBuffer(800, 600);
    const Image black{800, 600, std::vector<unsigned char>(800 * 600 * 3)};
    EXPECT_EQ(CountDifferentPixels(image, black, 0), 0)
        << "at " << place.x << ", " << place.z << " heading " << place.heading;
  }
  glPopAttrib();
}

}  // namespace
}  // namespace vorbexia
