// The spot cone at the vertices: tiny triangles at known angles from the
// axis of a spot light, lit by its ambient term alone.
#include <gtest/gtest.h>

#include "fixedgl/api.h"
#include "fixedgl/context.h"
#include "fixedgl/es_context.h"

namespace fixedgl {
namespace {

constexpr int kSize = 64;  // pixels

// The centre pixel's red level of a tiny triangle around (x, y, 0), seen
// straight on, with light 0 one unit in front of the plane pointing at it.
int RedAt(float x, float y, float cutoff) {
  vorbexia::EsContext es(kSize, kSize);
  Context gl(kSize, kSize);
  MakeCurrent(&gl);
  const float black[] = {0, 0, 0, 1}, white[] = {1, 1, 1, 1};
  const float position[] = {0, 0, 1, 1}, down[] = {0, 0, -1};
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, black);
  glLightfv(GL_LIGHT0, GL_DIFFUSE, black);
  glLightfv(GL_LIGHT0, GL_AMBIENT, white);  // times the material's 0.2
  glTranslatef(-x, -y, 0);  // the point under test at the screen's middle
  glLightfv(GL_LIGHT0, GL_POSITION, position);
  glLightfv(GL_LIGHT0, GL_SPOT_DIRECTION, down);
  glLightf(GL_LIGHT0, GL_SPOT_CUTOFF, cutoff);
  glEnable(GL_LIGHT0);
  glEnable(GL_LIGHTING);
  glBegin(GL_TRIANGLES);
  glVertex3f(x - 0.5f, y - 0.5f, 0);
  glVertex3f(x + 0.5f, y - 0.5f, 0);
  glVertex3f(x, y + 0.5f, 0);
  glEnd();
  Flush();
  const int red = es.ReadRgb(kSize, kSize)[(kSize / 2 * kSize + kSize / 2) * 3];
  MakeCurrent(nullptr);
  return red;
}

TEST(LightingTest, SpotLightsOnlyInsideItsCone) {
  // The light's position is taken by the modelview at glLightfv time, so
  // the cone stays on the plane's origin while the view moves.
  EXPECT_EQ(RedAt(0.0f, 0.0f, 45.0f), 51);  // 0.2, on the axis
  // The triangle's corners lie up to 0.5 beyond its point: 39 degrees off
  // the axis at most around 0.3, 68 at least around 3.
  EXPECT_EQ(RedAt(0.3f, 0.0f, 60.0f), 51);
  EXPECT_EQ(RedAt(3.0f, 0.0f, 60.0f), 0);
  EXPECT_EQ(RedAt(3.0f, 0.0f, 180.0f), 51);  // no spot: everywhere
}

}  // namespace
}  // namespace fixedgl
