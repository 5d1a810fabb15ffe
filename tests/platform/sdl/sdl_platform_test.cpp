// The SDL platform layer on a real display: the build steps SDL has, SDL's
// events become the game's window events, and the paced swap holds 60
// frames per second.
#include <gtest/gtest.h>

#include <chrono>

#include "support/gl_test_context.h"

namespace vorbexia {
namespace {

void PushKey(Uint32 type, SDL_Keycode key, Uint16 mod = KMOD_NONE) {
  SDL_Event event{};
  event.type = type;
  event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.sym = key;
  event.key.keysym.mod = mod;
  ASSERT_EQ(SDL_PushEvent(&event), 1);
}

void PushWindowEvent(SDL_Window* window, Uint8 what) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.windowID = SDL_GetWindowID(window);
  event.window.event = what;
  ASSERT_EQ(SDL_PushEvent(&event), 1);
}

class SdlPlatformTest : public ::testing::Test {
 protected:
  GlTestContext context{320, 240};

  void SetUp() override {
    VORBEXIA_REQUIRE_GL(context);
    Event event;
    while (context.platform().NextEvent(event)) {}  // what the window got so far
  }

  // SDL may report an empty queue once after a pass that stopped early,
  // although an event is queued; the game's loop simply comes back.
  Event Next() {
    Event event;
    bool taken = false;
    for (int tries = 0; tries < 3 && !taken; ++tries) {
      taken = context.platform().NextEvent(event);
    }
    EXPECT_TRUE(taken);
    return event;
  }
};

TEST_F(SdlPlatformTest, KeysArriveAsVirtualKeyCodes) {
  PushKey(SDL_KEYDOWN, SDLK_UP);
  PushKey(SDL_KEYDOWN, SDLK_F20);  // no code: never delivered
  PushKey(SDL_KEYUP, SDLK_SPACE);
  Event event = Next();
  EXPECT_EQ(event.code, EventCode::kKeyDown);
  EXPECT_EQ(event.key, 38u);
  event = Next();
  EXPECT_EQ(event.code, EventCode::kKeyUp);
  EXPECT_EQ(event.key, 32u);
  EXPECT_FALSE(context.platform().NextEvent(event));
}

TEST_F(SdlPlatformTest, KeysPressedWithAltAreMarkedAndTheirReleasesPass) {
  PushKey(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT);
  PushKey(SDL_KEYUP, SDLK_RETURN, KMOD_LALT);
  const Event press = Next();
  EXPECT_EQ(press.code, EventCode::kKeyDown);
  EXPECT_EQ(press.key, 13u);
  EXPECT_TRUE(press.alt);
  const Event event = Next();
  EXPECT_EQ(event.code, EventCode::kKeyUp);
  EXPECT_EQ(event.key, 13u);
  Event none;
  EXPECT_FALSE(context.platform().NextEvent(none));
}

// Lost whatever the window's flags say by the time the event is taken: the
// input state lets go of every key at it.
TEST_F(SdlPlatformTest, TheFocusLostIsReportedAsLost) {
  PushWindowEvent(context.platform().window(), SDL_WINDOWEVENT_FOCUS_LOST);
  const Event lost = Next();
  EXPECT_EQ(lost.code, EventCode::kActivate);
  EXPECT_FALSE(lost.focus);
  Event none;
  EXPECT_FALSE(context.platform().NextEvent(none));
}

TEST_F(SdlPlatformTest, ScreenSaverIsHeldOffOnlyWhileTheWindowIsActive) {
  SdlPlatform& platform = context.platform();
  PushWindowEvent(platform.window(), SDL_WINDOWEVENT_FOCUS_GAINED);
  Next();
  EXPECT_FALSE(SDL_IsScreenSaverEnabled());
  PushWindowEvent(platform.window(), SDL_WINDOWEVENT_FOCUS_LOST);
  Next();
  EXPECT_TRUE(SDL_IsScreenSaverEnabled());
  PushWindowEvent(platform.window(), SDL_WINDOWEVENT_FOCUS_GAINED);
  PushWindowEvent(platform.window(), SDL_WINDOWEVENT_MINIMIZED);
  Next();
  Next();
  EXPECT_TRUE(SDL_IsScreenSaverEnabled());
}

TEST_F(SdlPlatformTest, CloseRequestsAndTheQuitEvent) {
  PushWindowEvent(context.platform().window(), SDL_WINDOWEVENT_CLOSE);
  context.platform().PostQuit();
  EXPECT_EQ(Next().code, EventCode::kClose);
  // The posted quit comes after the events already queued, once.
  EXPECT_EQ(Next().code, EventCode::kQuit);
  Event event;
  EXPECT_FALSE(context.platform().NextEvent(event));
}

TEST_F(SdlPlatformTest, FocusChangesReportTheMinimisedState) {
  PushWindowEvent(context.platform().window(), SDL_WINDOWEVENT_FOCUS_LOST);
  PushWindowEvent(context.platform().window(), SDL_WINDOWEVENT_MINIMIZED);
  Event event = Next();
  EXPECT_EQ(event.code, EventCode::kActivate);
  EXPECT_FALSE(event.minimised);  // focus lost, not minimised
  event = Next();
  EXPECT_EQ(event.code, EventCode::kActivate);
  EXPECT_TRUE(event.minimised);
}

TEST_F(SdlPlatformTest, SizeEventsCarryTheDrawableSize) {
  PushWindowEvent(context.platform().window(), SDL_WINDOWEVENT_SIZE_CHANGED);
  const Event event = Next();
  EXPECT_EQ(event.code, EventCode::kSize);
  int w = 0, h = 0;
  SDL_GL_GetDrawableSize(context.platform().window(), &w, &h);
  EXPECT_EQ(event.width, w);
  EXPECT_EQ(event.height, h);
}

TEST_F(SdlPlatformTest, ContextIsCurrentUntilDetached) {
  EXPECT_TRUE(context.platform().HasCurrentContext());
  ASSERT_TRUE(context.platform().Release(WindowStep::kMakeCurrent));
  EXPECT_FALSE(context.platform().HasCurrentContext());
  ASSERT_TRUE(context.platform().Build(WindowStep::kMakeCurrent, WindowRequest{}));
  EXPECT_TRUE(context.platform().HasCurrentContext());
}

TEST(SdlPlatformStepsTest, SdlHasNoDrawableOrPixelFormatStepOfItsOwn) {
  const SdlPlatform platform;
  EXPECT_FALSE(platform.HasStep(WindowStep::kGetDrawable));
  EXPECT_FALSE(platform.HasStep(WindowStep::kSetPixelFormat));
  for (const WindowStep step :
       {WindowStep::kOpenDisplay, WindowStep::kCreateWindow, WindowStep::kChoosePixelFormat,
        WindowStep::kCreateContext, WindowStep::kMakeCurrent}) {
    EXPECT_TRUE(platform.HasStep(step)) << static_cast<int>(step);
  }
}

TEST(SdlPlatformPacingTest, PacedSwapShowsAtMostSixtyFramesPerSecond) {
  GlTestContext context(64, 64, true);
  VORBEXIA_REQUIRE_GL(context);
  SdlPlatform& platform = context.platform();
  const auto start = std::chrono::steady_clock::now();
  for (int frame = 0; frame < 31; ++frame) platform.SwapBuffers();
  const auto elapsed = std::chrono::steady_clock::now() - start;
  // The first frame is shown at once, each later one a period after the last.
  EXPECT_GE(elapsed, std::chrono::nanoseconds(30 * (1'000'000'000ll / 60)));
}

}  // namespace
}  // namespace vorbexia
