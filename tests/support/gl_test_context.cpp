#include "support/gl_test_context.h"

#include "support/keep_gl_driver.h"

namespace vorbexia {

GlTestContext::GlTestContext(int width, int height, bool paced)
    : platform_(paced) {
  ok_ = platform_.RegisterWindowClass() &&
        platform_.CreateWindow("Vorbexia test", width, height, false) &&
        platform_.CreateContext() && platform_.MakeContextCurrent();
  if (ok_) KeepGlDriverLoaded();
}

GlTestContext::~GlTestContext() {
  if (!ok_) return;
  platform_.DetachContext();
  platform_.DeleteContext();
  platform_.DestroyWindow();
  platform_.UnregisterWindowClass();
}

}  // namespace vorbexia
