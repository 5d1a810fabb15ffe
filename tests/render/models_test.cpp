// The three models: what their lists draw and the matrix they leave behind.
#include "render/models.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <set>
#include <vector>

#include "render/feedback.h"
#include "render/render_state.h"
#include "render/silhouette.h"
#include "support/gl_test_context.h"
#include "render/gl_matrix.h"
#include "render/owned_quadrics.h"

namespace vorbexia {
namespace {

void ExpectExtent(const Extent& extent, const std::array<float, 3>& min,
                  const std::array<float, 3>& max) {
  for (int a = 0; a < 3; ++a) {
    // One pixel of the silhouette, and a little for rounding.
    EXPECT_NEAR(extent.min[a], min[a], 0.006f) << "axis " << a;
    EXPECT_NEAR(extent.max[a], max[a], 0.006f) << "axis " << a;
  }
}

// A 2 x 2 texture, nearest texel: red at (0, 0), green at (1, 0), blue at
// (0, 1), white at (1, 1). Bound while it lives.
class QuadrantTexture {
 public:
  QuadrantTexture() {
    // Rows of 6 bytes, padded to 8 for the default unpack alignment of 4.
    const unsigned char texels[] = {255, 0, 0, 0, 255, 0, 0, 0,
                                    0, 0, 255, 255, 255, 255, 0, 0};
    glGenTextures(1, &name_);
    glBindTexture(GL_TEXTURE_2D, name_);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 texels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  }
  ~QuadrantTexture() { glDeleteTextures(1, &name_); }

 private:
  GLuint name_ = 0;
};

using Pixel = std::array<unsigned char, 3>;

// The front view (x right, y up, 2 world units across 400 pixels) of a
// textured, unlit drawing.
struct FrontView {
  std::vector<unsigned char> rgb;

  // The colours drawn in the rows between the heights y_low and y_high.
  std::set<Pixel> Colours(float y_low = -1.0f, float y_high = 1.0f) const {
    std::set<Pixel> colours;
    for (int r = 0; r < kSilhouetteSize; ++r) {
      const float y = (r + 0.5f - kSilhouetteSize / 2.0f) * kSilhouettePixel;
      if (y < y_low || y > y_high) continue;
      for (int c = 0; c < kSilhouetteSize; ++c) {
        const unsigned char* p = &rgb[(r * kSilhouetteSize + c) * 3];
        const Pixel pixel{p[0], p[1], p[2]};
        if (pixel != Pixel{0, 0, 0}) colours.insert(pixel);
      }
    }
    return colours;
  }
};

FrontView TexturedFrontView(const std::function<void()>& draw) {
  glPushAttrib(GL_ALL_ATTRIB_BITS);
  glDisable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_DEPTH_TEST);
  glViewport(0, 0, kSilhouetteSize, kSilhouetteSize);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(-1, 1, -1, 1, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glColor3f(1, 1, 1);
  draw();
  FrontView view;
  view.rgb.resize(kSilhouetteSize * kSilhouetteSize * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kSilhouetteSize, kSilhouetteSize, GL_RGB, GL_UNSIGNED_BYTE,
               view.rgb.data());
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glPopAttrib();
  return view;
}

class ModelsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!context_.ok()) return;
    ASSERT_TRUE(InitGL(resources_, [](const char*) {}));
    glDisable(GL_LIGHTING);  // only geometry is looked at here
    ASSERT_TRUE(BuildModels(resources_));
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
  }

  GlTestContext context_{kSilhouetteSize, kSilhouetteSize};
  GlResources resources_;
  OwnedQuadrics quadrics_{resources_};
};

TEST_F(ModelsTest, ListsAreNamedOneByOneInRobotGunShotOrder) {
  VORBEXIA_REQUIRE_GL(context_);
  EXPECT_TRUE(glIsList(resources_.robot_list));
  EXPECT_EQ(resources_.gun_list, resources_.robot_list + 1);
  EXPECT_EQ(resources_.shot_list, resources_.gun_list + 1);
}

TEST_F(ModelsTest, RobotListLeavesScaleAndLimbTranslation) {
  VORBEXIA_REQUIRE_GL(context_);
  glCallList(resources_.robot_list);
  ExpectMatrixNear(Modelview(), {0.1f, 0, 0, 0, 0, 0.1f, 0, 0, 0, 0, 0.1f, 0,
                                 0.15f, 0.05f, 0, 1}, 1e-6);
}

TEST_F(ModelsTest, RobotListComposesWithTheCallersMatrix) {
  VORBEXIA_REQUIRE_GL(context_);
  glTranslatef(1.0f, 2.0f, 3.0f);
  glCallList(resources_.robot_list);
  ExpectMatrixNear(Modelview(), {0.1f, 0, 0, 0, 0, 0.1f, 0, 0, 0, 0, 0.1f, 0,
                                 1.15f, 2.05f, 3.0f, 1}, 1e-6);
}

TEST_F(ModelsTest, GunListLeavesItsScale) {
  VORBEXIA_REQUIRE_GL(context_);
  glCallList(resources_.gun_list);
  ExpectMatrixNear(Modelview(), {0.15f, 0, 0, 0, 0, 0.15f, 0, 0, 0, 0, 0.15f,
                                 0, 0, 0, 0, 1}, 1e-6);
}

TEST_F(ModelsTest, ShotListLeavesScaleAndConeTranslation) {
  VORBEXIA_REQUIRE_GL(context_);
  glCallList(resources_.shot_list);
  ExpectMatrixNear(Modelview(), {0.15f, 0, 0, 0, 0, 0.15f, 0, 0, 0, 0, 0.15f,
                                 0, 0, 0, -0.045f, 1}, 1e-6);
}

// 0.4 x 0.9 x 0.4 world units: x -2 to 2, y -4.5 to 4.5, z -1.5 to 2.5 in
// model units; the arms reach furthest to +z.
TEST_F(ModelsTest, RobotSpansItsModelBox) {
  VORBEXIA_REQUIRE_GL(context_);
  const Extent extent =
      SilhouetteExtent([&] { glCallList(resources_.robot_list); });
  ExpectExtent(extent, {-0.2f, -0.45f, -0.15f}, {0.2f, 0.45f, 0.25f});
}

// Without push/pop between two calls the second robot is a tenth the size,
// placed by the first one's limb translation.
TEST_F(ModelsTest, SecondRobotCallWithoutPushPopIsATenthTheSize) {
  VORBEXIA_REQUIRE_GL(context_);
  const Extent extent = SilhouetteExtent([&] {
    glScalef(5.0f, 5.0f, 5.0f);  // brings the small one to a readable size
    glCallList(resources_.robot_list);
    glClear(GL_COLOR_BUFFER_BIT);
    glCallList(resources_.robot_list);
  });
  // Scaled up fivefold: the first call leaves (0.15, 0.05, 0) world units,
  // and the second robot spans a twentieth of the first one's box.
  ExpectExtent(extent, {0.75f - 0.1f, 0.25f - 0.225f, -0.075f},
               {0.75f + 0.1f, 0.25f + 0.225f, 0.125f});
}

// z 0 to 1.5 model units (0.225 world units); prongs and cross-pieces
// reach x -0.4 to 0.4; the barrel's radius is 0.2.
TEST_F(ModelsTest, GunSpansItsBarrelAndCrossPieces) {
  VORBEXIA_REQUIRE_GL(context_);
  const Extent extent = SilhouetteExtent([&] { glCallList(resources_.gun_list); });
  ExpectExtent(extent, {-0.06f, -0.03f, 0.0f}, {0.06f, 0.03f, 0.225f});
}

// z -0.3 to 2.8 model units, nose to +z, radius 0.5.
TEST_F(ModelsTest, ShotSpansFromRearConeToNose) {
  VORBEXIA_REQUIRE_GL(context_);
  const Extent extent = SilhouetteExtent([&] { glCallList(resources_.shot_list); });
  ExpectExtent(extent, {-0.075f, -0.075f, -0.045f}, {0.075f, 0.075f, 0.42f});
}

// The shot and the robot's head and eyes have no texture coordinates of
// their own: they show the one texel under the coordinate that is current
// when the list runs. The gun's cylinders and the robot's boxes show the
// whole texture.
TEST_F(ModelsTest, ShotAndRobotHeadShowOneTexelTheGunTheWholeTexture) {
  VORBEXIA_REQUIRE_GL(context_);
  QuadrantTexture texture;
  const Pixel red{255, 0, 0};
  const FrontView shot = TexturedFrontView([&] {
    glScalef(2.0f, 2.0f, 2.0f);
    glTexCoord2f(0.25f, 0.25f);
    glCallList(resources_.shot_list);
  });
  EXPECT_EQ(shot.Colours(), (std::set<Pixel>{red}));

  const FrontView robot = TexturedFrontView([&] {
    glTexCoord2f(0.25f, 0.25f);
    glCallList(resources_.robot_list);
  });
  // y 0.25 to 0.45: head and eyes only (the body ends at 0.2).
  EXPECT_EQ(robot.Colours(0.25f, 0.45f), (std::set<Pixel>{red}));
  EXPECT_EQ(robot.Colours(-0.45f, 0.2f).size(), 4u);

  const FrontView gun = TexturedFrontView([&] {
    glScalef(4.0f, 4.0f, 4.0f);
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);  // seen from above: the barrel's length
    glCallList(resources_.gun_list);
  });
  EXPECT_EQ(gun.Colours().size(), 4u);
}

// After a robot the current texture coordinate is the last box vertex's,
// (0, 1), which the next quadric drawn without coordinates then samples.
TEST_F(ModelsTest, RobotLeavesTextureCoordinateZeroOne) {
  VORBEXIA_REQUIRE_GL(context_);
  glTexCoord2f(0.5f, 0.5f);
  glCallList(resources_.robot_list);
  std::array<float, 4> coord{};
  glGetFloatv(GL_CURRENT_TEXTURE_COORDS, coord.data());
  EXPECT_EQ(coord[0], 0.0f);
  EXPECT_EQ(coord[1], 1.0f);
}

// Corner k at (k, 10 + k, 20 + k): each vertex tells which corner it is.
TEST(DrawBoxTest, SixQuadsInFaceOrderWithTheWholeTextureEach) {
  GlTestContext context(64, 64);
  VORBEXIA_REQUIRE_GL(context);
  BoxCorners corners{};
  for (int k = 0; k < 8; ++k) {
    corners[3 * k] = static_cast<float>(k);
    corners[3 * k + 1] = static_cast<float>(10 + k);
    corners[3 * k + 2] = static_cast<float>(20 + k);
  }
  const std::vector<FeedbackQuad> quads =
      QuadsOf(CaptureTriangles([&] { DrawBox(corners); }));
  const int expected[6][4] = {{0, 1, 2, 3}, {0, 1, 5, 4}, {0, 3, 7, 4},
                              {1, 2, 6, 5}, {2, 3, 7, 6}, {4, 5, 6, 7}};
  const float tex[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  ASSERT_EQ(quads.size(), 6u);
  for (int q = 0; q < 6; ++q) {
    for (int v = 0; v < 4; ++v) {
      const FeedbackVertex& vertex = quads[q][v];
      const int k = expected[q][v];
      EXPECT_NEAR(vertex.x, k, 1e-4) << "quad " << q << " vertex " << v;
      EXPECT_NEAR(vertex.y, 10 + k, 1e-4) << "quad " << q << " vertex " << v;
      EXPECT_NEAR(vertex.z, 20 + k, 1e-4) << "quad " << q << " vertex " << v;
      EXPECT_EQ(vertex.s, tex[v][0]) << "quad " << q << " vertex " << v;
      EXPECT_EQ(vertex.t, tex[v][1]) << "quad " << q << " vertex " << v;
    }
  }
}

// DrawBox gives no normal: the current one stays.
TEST(DrawBoxTest, LeavesTheCurrentNormal) {
  GlTestContext context(64, 64);
  VORBEXIA_REQUIRE_GL(context);
  glNormal3f(0.6f, 0.0f, 0.8f);
  DrawBox(BoxCorners{});
  std::array<float, 3> normal{};
  glGetFloatv(GL_CURRENT_NORMAL, normal.data());
  EXPECT_EQ(normal, (std::array<float, 3>{0.6f, 0.0f, 0.8f}));
}

// GL hands out no list name between glBegin and glEnd: the build must stop
// rather than compile into list 0.
TEST(BuildModelsFailureTest, NoListNameFailsTheBuild) {
  GlTestContext context(64, 64);
  VORBEXIA_REQUIRE_GL(context);
  GlResources resources;
  OwnedQuadrics quadrics{resources};
  ASSERT_TRUE(InitGL(resources, [](const char*) {}));
  glBegin(GL_QUADS);
  const bool built = BuildModels(resources);
  glEnd();
  EXPECT_FALSE(built);
  EXPECT_EQ(resources.robot_list, 0u);
  EXPECT_EQ(resources.gun_list, 0u);
  EXPECT_EQ(resources.shot_list, 0u);
}

// Without the gun's quadric no gun list is made from it.
TEST(BuildModelsFailureTest, MissingGunQuadricFailsTheBuild) {
  GlTestContext context(64, 64);
  VORBEXIA_REQUIRE_GL(context);
  GlResources resources;
  OwnedQuadrics quadrics{resources};
  EXPECT_FALSE(BuildModels(resources));
  EXPECT_TRUE(glIsList(resources.robot_list));
  EXPECT_EQ(resources.gun_list, 0u);
  EXPECT_EQ(resources.shot_list, 0u);
}

}  // namespace
}  // namespace vorbexia
