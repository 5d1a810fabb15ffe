#include "fixedgl/es_context.h"

#include <EGL/eglext.h>

#include "support/keep_gl_driver.h"

namespace vorbexia {
namespace {

constexpr GLenum kRgba8 = 0x8058;  // GL_RGBA8_OES (OES_rgb8_rgba8, which Mesa has)

EGLDisplay SurfacelessDisplay() {
  const auto get_display = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
      eglGetProcAddress("eglGetPlatformDisplayEXT"));
  if (get_display == nullptr) return EGL_NO_DISPLAY;
  return get_display(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
}

}  // namespace

EsContext::EsContext(int width, int height) {
  display_ = SurfacelessDisplay();
  if (display_ == EGL_NO_DISPLAY || !eglInitialize(display_, nullptr, nullptr)) return;
  const EGLint attributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                               EGL_OPENGL_ES2_BIT, EGL_NONE};
  EGLConfig config = nullptr;
  EGLint count = 0;
  if (!eglBindAPI(EGL_OPENGL_ES_API) ||
      !eglChooseConfig(display_, attributes, &config, 1, &count) || count < 1) {
    return;
  }
  const EGLint version[] = {EGL_CONTEXT_CLIENT_VERSION, 2, EGL_NONE};
  context_ = eglCreateContext(display_, config, EGL_NO_CONTEXT, version);
  if (context_ == EGL_NO_CONTEXT ||
      !eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, context_)) {
    return;
  }
  KeepGlDriverLoaded();
  GLuint framebuffer = 0;
  glGenFramebuffers(1, &framebuffer);
  glGenRenderbuffers(2, renderbuffers_);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers_[0]);
  glRenderbufferStorage(GL_RENDERBUFFER, kRgba8, width, height);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                            renderbuffers_[0]);
  glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers_[1]);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, width, height);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                            renderbuffers_[1]);
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE) {
    framebuffer_ = framebuffer;
  }
  glViewport(0, 0, width, height);
}

EsContext::~EsContext() {
  if (context_ != EGL_NO_CONTEXT) {
    glDeleteRenderbuffers(2, renderbuffers_);
    if (framebuffer_ != 0) glDeleteFramebuffers(1, &framebuffer_);
    eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(display_, context_);
  }
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
