#include "support/gl_test_context.h"

#include <csignal>

#include "support/keep_gl_driver.h"

namespace vorbexia {

GlTestContext::GlTestContext(int width, int height, bool paced)
    : platform_(paced) {
  // As in the game: a connection the X server drops (Xvfb does so now and
  // then under load) fails the attempt, which is tried again, instead of
  // SIGPIPE ending the test process.
  std::signal(SIGPIPE, SIG_IGN);
  const WindowRequest request{.title = "Vorbexia test", .width = width, .height = height};
  ok_ = platform_.Build(WindowStep::kOpenDisplay, request) &&
        platform_.Build(WindowStep::kCreateWindow, request) &&
        platform_.Build(WindowStep::kCreateContext, request) &&
        platform_.Build(WindowStep::kMakeCurrent, request);
  if (ok_) KeepGlDriverLoaded();
}

GlTestContext::~GlTestContext() {
  if (!ok_) return;
  platform_.Release(WindowStep::kMakeCurrent);
  platform_.Release(WindowStep::kCreateContext);
  platform_.Release(WindowStep::kCreateWindow);
  platform_.Release(WindowStep::kOpenDisplay);
}

}  // namespace vorbexia
