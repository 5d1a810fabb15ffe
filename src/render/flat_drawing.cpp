#include "render/flat_drawing.h"

#include "render/gl_api.h"

namespace vorbexia {

FlatArea BeginFlatDrawing() {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  const FlatArea area{static_cast<float>(viewport[2]), static_cast<float>(viewport[3])};

  glPushAttrib(GL_ALL_ATTRIB_BITS);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0.0, area.width, 0.0, area.height, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_DEPTH_TEST);
  return area;
}

void EndFlatDrawing() {
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopAttrib();
}

void FlatQuad(float x0, float y0, float x1, float y1) {
  glVertex2f(x0, y0);
  glVertex2f(x1, y0);
  glVertex2f(x1, y1);
  glVertex2f(x0, y1);
}

}  // namespace vorbexia
