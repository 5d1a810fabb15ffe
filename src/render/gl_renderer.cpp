#include "render/gl_renderer.h"

#include <algorithm>
#include <vector>

#include "render/gl_api.h"

#include "render/hud.h"
#include "render/models.h"
#include "render/overlay.h"
#include "render/render_state.h"
#include "render/scene.h"

namespace vorbexia {

GlRenderer::~GlRenderer() { DeleteQuadrics(resources_); }

bool GlRenderer::InitGL() { return vorbexia::InitGL(resources_, reader_box_); }

bool GlRenderer::BuildModels() { return vorbexia::BuildModels(resources_); }

void GlRenderer::DrawScene(const GameState& state, const RobotFlashes& flashes) {
  vorbexia::DrawScene(state, resources_, drawing_, flashes);
}

void GlRenderer::DrawHud(const GameState& state, const HudText& text) {
  vorbexia::DrawHud(state, text);
}

void GlRenderer::DrawOverlay(const std::vector<std::string>& lines) {
  vorbexia::DrawOverlay(lines);
}

void GlRenderer::DrawNote(const std::string& line) { vorbexia::DrawNote(line); }

void GlRenderer::SetViewport(int width, int height, double aspect, int x, int y) {
  glViewport(x, y, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // Near plane: the single-precision 0.1; far plane 100 world units.
  gluPerspective(45.0, aspect, static_cast<double>(0.1f), 100.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

bool GlRenderer::ReadFrame(RgbImage& image) {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  if (viewport[2] <= 0 || viewport[3] <= 0) return false;
  // Earlier errors are cleared so that the check below speaks of the read
  // alone (GL keeps at most one flag per kind of error).
  for (int i = 0; i < 8 && glGetError() != GL_NO_ERROR; ++i) {
  }
  // Read as RGBA, which every GL (and OpenGL ES) can give, four bytes a
  // pixel with no row filler; the back buffer is the default read buffer.
  const size_t count = size_t(viewport[2]) * size_t(viewport[3]);
  std::vector<uint8_t> rgba(count * 4);
  GLint alignment = 4;
  glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(viewport[0], viewport[1], viewport[2], viewport[3], GL_RGBA,
               GL_UNSIGNED_BYTE, rgba.data());
  glPixelStorei(GL_PACK_ALIGNMENT, alignment);
  image.width = viewport[2];
  image.height = viewport[3];
  image.pixels.resize(count * 3);
  for (size_t i = 0; i < count; ++i) {
    std::copy_n(&rgba[i * 4], 3, &image.pixels[i * 3]);
  }
  if (glGetError() == GL_NO_ERROR) return true;
  image = RgbImage{};
  return false;
}

std::unique_ptr<Renderer> MakeGlRenderer(ReaderBox reader_box) {
  return std::make_unique<GlRenderer>(std::move(reader_box));
}

}  // namespace vorbexia
