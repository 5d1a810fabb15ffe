// Where quads are cut into triangles, and the rotation's rounding: both as
// Mesa does them, which decides the lit colours inside large quads and the
// depths of coplanar ones.
#include <gtest/gtest.h>

#include "fixedgl/api.h"
#include "fixedgl/context.h"
#include "fixedgl/es_context.h"
#include "fixedgl/matrix.h"

namespace fixedgl {
namespace {

constexpr int kSize = 64;  // pixels

// The centre pixel's red level of a quad with white first and third
// corners and black second and fourth ones, seen straight on: white when
// cut along the first and third corners, black along the second and
// fourth. A half-width of 1 fills the view exactly; more puts every corner
// outside it. A second quad may follow in the same run, far off screen.
int CentreRed(float half_width, bool far_quad_follows) {
  vorbexia::EsContext es(kSize, kSize);
  Context gl(kSize, kSize);
  MakeCurrent(&gl);
  const float h = half_width;
  glBegin(GL_QUADS);
  glColor3f(1, 1, 1);
  glVertex3f(-h, -h, 0);
  glColor3f(0, 0, 0);
  glVertex3f(h, -h, 0);
  glColor3f(1, 1, 1);
  glVertex3f(h, h, 0);
  glColor3f(0, 0, 0);
  glVertex3f(-h, h, 0);
  glEnd();
  if (far_quad_follows) {
    glBegin(GL_QUADS);
    glVertex3f(5, 5, 0);
    glVertex3f(6, 5, 0);
    glVertex3f(6, 6, 0);
    glVertex3f(5, 6, 0);
    glEnd();
  }
  Flush();
  const int red = es.ReadRgb(kSize, kSize)[(kSize / 2 * kSize + kSize / 2) * 3];
  MakeCurrent(nullptr);
  return red;
}

TEST(QuadCutTest, WholeRunsAlongFirstAndThirdCornersClippedRunsAlongSecondAndFourth) {
  EXPECT_GT(CentreRed(1.0f, false), 200);
  EXPECT_LT(CentreRed(1.5f, false), 50);
  // One vertex outside the view sends the whole run through the clipper.
  EXPECT_LT(CentreRed(1.0f, true), 50);
}

TEST(QuadCutTest, HalfTurnKeepsTheFloatSineOfPi) {
  // sinf of pi rounded to a float, as Mesa's glRotatef forms it; the
  // double sine of pi would give -1.2e-16.
  const Mat4 m = Rotated(Identity(), 180.0f, 0.0f, 1.0f, 0.0f);
  EXPECT_EQ(m[0], -1.0f);
  EXPECT_EQ(m[8], -8.74227766e-08f);
  EXPECT_EQ(m[2], 8.74227766e-08f);
}

}  // namespace
}  // namespace fixedgl
