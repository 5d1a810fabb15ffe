#include "render/silhouette.h"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

namespace vorbexia {
namespace {

// Covered columns and rows of what draw() left in the back buffer, as world
// coordinates of the outer pixel edges. False when nothing was drawn.
bool CoveredBox(float& x_min, float& x_max, float& y_min, float& y_max) {
  std::vector<unsigned char> pixels(kSilhouetteSize * kSilhouetteSize * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kSilhouetteSize, kSilhouetteSize, GL_RGB, GL_UNSIGNED_BYTE,
               pixels.data());
  int c_min = kSilhouetteSize, c_max = -1, r_min = kSilhouetteSize, r_max = -1;
  for (int r = 0; r < kSilhouetteSize; ++r) {
    for (int c = 0; c < kSilhouetteSize; ++c) {
      if (pixels[(r * kSilhouetteSize + c) * 3] == 0) continue;
      c_min = std::min(c_min, c);
      c_max = std::max(c_max, c);
      r_min = std::min(r_min, r);
      r_max = std::max(r_max, r);
    }
  }
  if (c_max < 0) return false;
  const float half = kSilhouetteSize / 2.0f;
  x_min = (c_min - half) * kSilhouettePixel;
  x_max = (c_max + 1 - half) * kSilhouettePixel;
  y_min = (r_min - half) * kSilhouettePixel;
  y_max = (r_max + 1 - half) * kSilhouettePixel;
  return true;
}

void DrawFlat(const std::function<void()>& draw, float turn_about_y) {
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glColor3f(1, 1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glRotatef(turn_about_y, 0, 1, 0);
  draw();
}

}  // namespace

Extent SilhouetteExtent(const std::function<void()>& draw) {
  glPushAttrib(GL_ALL_ATTRIB_BITS);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_DEPTH_TEST);
  glViewport(0, 0, kSilhouetteSize, kSilhouetteSize);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(-1, 1, -1, 1, -1, 1);

  Extent extent{{1, 1, 1}, {-1, -1, -1}};
  DrawFlat(draw, 0.0f);  // front: screen x is x, screen y is y
  CoveredBox(extent.min[0], extent.max[0], extent.min[1], extent.max[1]);
  DrawFlat(draw, -90.0f);  // side: screen x is -z
  float y_min = 0, y_max = 0;
  float minus_z_min = 0, minus_z_max = 0;
  if (CoveredBox(minus_z_min, minus_z_max, y_min, y_max)) {
    extent.min[2] = -minus_z_max;
    extent.max[2] = -minus_z_min;
    // Cylinders seen end-on leave no silhouette: take y from both views.
    extent.min[1] = std::min(extent.min[1], y_min);
    extent.max[1] = std::max(extent.max[1], y_max);
  }

  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glPopAttrib();
  return extent;
}

}  // namespace vorbexia
