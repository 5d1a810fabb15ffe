// An OpenGL ES 2 context on Mesa through EGL, without any window (the
// surfaceless platform), drawing into a pixel buffer of its own: 8-bit
// colour channels and a 32-bit depth buffer. The depth is the desktop's:
// the game asks for at least 16 bits, and GLX on llvmpipe hands out its
// deepest buffer, 32 bits. The depth's resolution decides which of two
// coplanar surfaces shows (the gun's cross-pieces are one cylinder drawn
// twice), so a shallower buffer would part the frames there.
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

  bool ok() const { return current_; }
  // The lower left width x height pixels, RGB, rows from the top.
  std::vector<unsigned char> ReadRgb(int width, int height) const;

 private:
  EGLDisplay display_ = EGL_NO_DISPLAY;
  EGLContext context_ = EGL_NO_CONTEXT;
  EGLSurface surface_ = EGL_NO_SURFACE;
  bool current_ = false;
};

}  // namespace vorbexia
