// A hidden window with a current OpenGL context, for tests that need real GL.
// Without a display the context is not made and the test is skipped.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/sdl/sdl_platform.h"

namespace vorbexia {

class GlTestContext {
 public:
  // width x height is the drawable's size in pixels; a paced context holds
  // its swaps to 60 per second as the game does.
  GlTestContext(int width = 800, int height = 600, bool paced = false);
  ~GlTestContext();

  bool ok() const { return ok_; }
  SdlPlatform& platform() { return platform_; }

 private:
  SdlPlatform platform_;
  bool ok_ = false;
};

// Skips the current test when there is no display at all; with a display, a
// context that cannot be had is a failure.
#define VORBEXIA_REQUIRE_GL(context)                                  \
  do {                                                                \
    if (!(context).ok()) {                                            \
      if (std::getenv("DISPLAY") == nullptr) {                        \
        GTEST_SKIP() << "no display for OpenGL";                      \
      }                                                               \
      FAIL() << "no OpenGL context on display " << std::getenv("DISPLAY") \
             << ": " << SDL_GetError();                               \
    }                                                                 \
  } while (0)

}  // namespace vorbexia
