// A hidden window with a current OpenGL context, for tests that need real GL.
// Without a display the context is not made and the test is skipped.
#pragma once

#include <gtest/gtest.h>

#include "shell/sdl_platform.h"

namespace vorbexia {

class GlTestContext {
 public:
  // width x height is the drawable's size in pixels.
  GlTestContext(int width = 800, int height = 600);
  ~GlTestContext();

  bool ok() const { return ok_; }
  SdlPlatform& platform() { return platform_; }

 private:
  SdlPlatform platform_{false};  // unpaced: tests never wait for a deadline
  bool ok_ = false;
};

// Skips the current test when no GL context can be had (no display).
#define VORBEXIA_REQUIRE_GL(context)                              \
  do {                                                            \
    if (!(context).ok()) GTEST_SKIP() << "no display for OpenGL"; \
  } while (0)

}  // namespace vorbexia
