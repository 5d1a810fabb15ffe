// tests/fixedgl's OpenGL ES 2 context (fixedgl/es_context.h) in the browser:
// Emscripten's EGL on the page's canvas (WebGL 1) with a depth buffer, as
// the game draws, so that the golden views' test
// (tests/fixedgl/golden_test.cpp) runs unchanged on the browser's WebGL.
#include "fixedgl/es_context.h"

namespace vorbexia {

EsContext::EsContext(int width, int height) {
  display_ = eglGetDisplay(EGL_DEFAULT_DISPLAY);
  const EGLint attributes[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_ES2_BIT, EGL_DEPTH_SIZE, 16, EGL_NONE};
  const EGLint version[] = {EGL_CONTEXT_CLIENT_VERSION, 2, EGL_NONE};
  EGLConfig config = nullptr;
  EGLint count = 0;
  if (!eglInitialize(display_, nullptr, nullptr) ||
      !eglChooseConfig(display_, attributes, &config, 1, &count) || count < 1) {
    return;
  }
  surface_ = eglCreateWindowSurface(display_, config, 0, nullptr);
  context_ = eglCreateContext(display_, config, EGL_NO_CONTEXT, version);
  current_ = context_ != EGL_NO_CONTEXT && eglMakeCurrent(display_, surface_, surface_, context_);
  if (current_) glViewport(0, 0, width, height);
}

EsContext::~EsContext() {
  if (context_ == EGL_NO_CONTEXT) return;
  eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  eglDestroyContext(display_, context_);
  eglDestroySurface(display_, surface_);
}

std::vector<unsigned char> EsContext::ReadRgb(int width, int height) const {
  std::vector<unsigned char> rgba(static_cast<size_t>(width) * height * 4), rgb;
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  for (int y = height - 1; y >= 0; --y) {
    for (auto pixel = rgba.begin() + y * width * 4; pixel != rgba.begin() + (y + 1) * width * 4; pixel += 4) {
      rgb.insert(rgb.end(), pixel, pixel + 3);
    }
  }
  return rgb;
}

}  // namespace vorbexia
