#include "support/gl_test_context.h"

#include "support/keep_gl_driver.h"

namespace vorbexia {

GlTestContext::GlTestContext(int width, int height, bool paced)
    : platform_(paced) {
  const WindowSpec spec{.title = "Vorbexia test", .width = width, .height = height};
  ok_ = platform_.Build(WindowStep::kOpenDisplay, spec) &&
        platform_.Build(WindowStep::kCreateWindow, spec) &&
        platform_.Build(WindowStep::kCreateContext, spec) &&
        platform_.Build(WindowStep::kMakeCurrent, spec);
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
