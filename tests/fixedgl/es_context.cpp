#include "fixedgl/es_context.h"

#include <EGL/eglext.h>

#include "support/keep_gl_driver.h"

namespace vorbexia {
namespace {

constexpr EGLint kDepthBits = 32;

EGLDisplay SurfacelessDisplay() {
  const auto get_display = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
      eglGetProcAddress("eglGetPlatformDisplayEXT"));
  if (get_display == nullptr) return EGL_NO_DISPLAY;
  return get_display(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
}

// A pixel buffer configuration with 8-bit colour channels and a 32-bit
// depth buffer. EGL lists deeper colour first, so the channels are checked
// one by one.
EGLConfig ConfigFor(EGLDisplay display) {
  const EGLint attributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                               EGL_OPENGL_ES2_BIT, EGL_DEPTH_SIZE, kDepthBits, EGL_NONE};
  EGLConfig configs[64];
  EGLint count = 0;
  if (!eglChooseConfig(display, attributes, configs, 64, &count)) return nullptr;
  for (EGLint i = 0; i < count; ++i) {
    EGLint red = 0, green = 0, blue = 0, depth = 0;
    eglGetConfigAttrib(display, configs[i], EGL_RED_SIZE, &red);
    eglGetConfigAttrib(display, configs[i], EGL_GREEN_SIZE, &green);
    eglGetConfigAttrib(display, configs[i], EGL_BLUE_SIZE, &blue);
    eglGetConfigAttrib(display, configs[i], EGL_DEPTH_SIZE, &depth);
    if (red == 8 && green == 8 && blue == 8 && depth == kDepthBits) return configs[i];
  }
  return nullptr;
}

}  // namespace

EsContext::EsContext(int width, int height) {
  display_ = SurfacelessDisplay();
  if (display_ == EGL_NO_DISPLAY || !eglInitialize(display_, nullptr, nullptr)) return;
  if (!eglBindAPI(EGL_OPENGL_ES_API)) return;
  const EGLConfig config = ConfigFor(display_);
  if (config == nullptr) return;
  const EGLint size[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
  surface_ = eglCreatePbufferSurface(display_, config, size);
  const EGLint version[] = {EGL_CONTEXT_CLIENT_VERSION, 2, EGL_NONE};
  context_ = eglCreateContext(display_, config, EGL_NO_CONTEXT, version);
  if (surface_ == EGL_NO_SURFACE || context_ == EGL_NO_CONTEXT ||
      !eglMakeCurrent(display_, surface_, surface_, context_)) {
    return;
  }
  KeepGlDriverLoaded();
  glViewport(0, 0, width, height);
  current_ = true;
}

EsContext::~EsContext() {
  if (current_) eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  if (context_ != EGL_NO_CONTEXT) eglDestroyContext(display_, context_);
  if (surface_ != EGL_NO_SURFACE) eglDestroySurface(display_, surface_);
  if (display_ != EGL_NO_DISPLAY) eglTerminate(display_);
}

std::vector<unsigned char> EsContext::ReadRgb(int width, int height) const {
  std::vector<unsigned char> rgba(static_cast<size_t>(width) * height * 4);
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const unsigned char* from = &rgba[(static_cast<size_t>(height - 1 - y) * width + x) * 4];
      unsigned char* to = &rgb[(static_cast<size_t>(y) * width + x) * 3];
      to[0] = from[0];
      to[1] = from[1];
      to[2] = from[2];
    }
  }
  return rgb;
}

}  // namespace vorbexia
