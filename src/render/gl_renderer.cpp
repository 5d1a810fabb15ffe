#include "render/gl_renderer.h"

#include "render/gl_api.h"

#include "render/hud.h"
#include "render/models.h"
#include "render/render_state.h"
#include "render/scene.h"

namespace vorbexia {

GlRenderer::~GlRenderer() { DeleteQuadrics(resources_); }

bool GlRenderer::InitGL() { return vorbexia::InitGL(resources_, reader_box_); }

bool GlRenderer::BuildModels() { return vorbexia::BuildModels(resources_); }

void GlRenderer::DrawScene(const GameState& state) {
  vorbexia::DrawScene(state, resources_);
}

void GlRenderer::DrawHud(const GameState& state) { vorbexia::DrawHud(state); }

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
