#include "render/gl_renderer.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "world/world.h"

namespace vorbexia {

// Placeholders until the render state, the models and the scene land.
bool GlRenderer::InitGL(GameState& state) {
  SetupLevel(state);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  return true;
}

bool GlRenderer::BuildModels(GameState&) { return true; }

bool GlRenderer::DrawScene(GameState& state, Random& random) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  AdvanceWorld(state, random);
  return true;
}

void GlRenderer::SetViewport(int width, int height, double aspect) {
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // Near plane: the single-precision 0.1; far plane 100 world units.
  gluPerspective(45.0, aspect, static_cast<double>(0.1f), 100.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

}  // namespace vorbexia
