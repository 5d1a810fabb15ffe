// An OpenGL ES 2 context on Mesa through EGL, without any window (the
// surfaceless platform), drawing into a framebuffer of its own: 8-bit
// colour channels and a 16-bit depth buffer, as the game asks of the desktop.
#pragma once

#include <EGL/egl.h>
#include <GLES2/gl2.h>

#include <vector>

namespace vorbexia {

class EsContext {
 public:
  EsContext(int width, int height);
  ~EsContext();
  EsContext(const EsContext&) = delete;
  EsContext& operator=(const EsContext&) = delete;

  bool ok() const { return framebuffer_ != 0; }
  // The lower left width x height pixels, RGB, rows from the top.
  std::vector<unsigned char> ReadRgb(int width, int height) const;

 private:
  EGLDisplay display_ = EGL_NO_DISPLAY;
  EGLContext context_ = EGL_NO_CONTEXT;
  GLuint framebuffer_ = 0;
  GLuint renderbuffers_[2] = {0, 0};
};

}  // namespace vorbexia
