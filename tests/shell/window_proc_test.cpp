// The window procedure and the viewport.
#include <gtest/gtest.h>

#include "controls/key_codes.h"
#include "shell/game_window.h"
#include "support/scripted_platform.h"

namespace vorbexia {
namespace {

class WindowProcTest : public ::testing::Test {
 protected:
  ScriptedPlatform platform;
  ScriptedRenderer renderer{platform};
  GameWindow window{platform, renderer};

  void Send(EventCode code, uint32_t key = 0) { GameWindowProc(window, Event{code, key}); }
  void Activate(bool minimised) {
    GameWindowProc(window, Event{EventCode::kActivate, 0, 0, 0, minimised});
  }
  void Size(int width, int height) {
    GameWindowProc(window, Event{EventCode::kSize, 0, width, height});
  }
};

TEST_F(WindowProcTest, ActivationFollowsOnlyTheMinimisedState) {
  Activate(true);
  EXPECT_FALSE(window.active);
  // Restored, whether activated or deactivated: only minimising stops it.
  Activate(false);
  EXPECT_TRUE(window.active);
}

TEST_F(WindowProcTest, CloseOnlyPostsTheQuitEvent) {
  Send(EventCode::kClose);
  EXPECT_TRUE(platform.log.empty());
  Event event;
  ASSERT_TRUE(platform.NextEvent(event));
  EXPECT_EQ(event.code, EventCode::kQuit);
  EXPECT_FALSE(platform.NextEvent(event));
}

// The queue's order, the same on every window system: a quit signal before
// all, the posted quit after every event the window system still has.
TEST_F(WindowProcTest, TheQuitPostedComesAfterEveryPendingEventASignalBeforeAll) {
  const auto codes = [this] {
    std::string seen;
    Event event;
    while (platform.NextEvent(event)) {
      seen += event.code == EventCode::kQuit ? "quit " : event.code == EventCode::kSize ? "size " : "key ";
    }
    return seen;
  };
  platform.Push(EventCode::kKeyDown, kKeyUp);
  platform.PostQuit();
  platform.Push(EventCode::kSize);
  EXPECT_EQ(codes(), "key size quit ");
  platform.Push(EventCode::kKeyDown, kKeyUp);
  platform.quit_signal = 15;
  Event event;
  ASSERT_TRUE(platform.NextEvent(event));
  EXPECT_EQ(event.code, EventCode::kQuit);
}

TEST_F(WindowProcTest, SizeEventsSetTheViewportFromTheClientSize) {
  platform.context_current = true;
  Size(640, 480);
  Size(800, 0);  // width x 0
  Size(0, 0);    // minimised
  Size(0, 300);  // width 0
  ASSERT_EQ(renderer.viewports.size(), 4u);
  EXPECT_EQ(renderer.viewports[0].width, 640);
  EXPECT_EQ(renderer.viewports[0].height, 480);
  EXPECT_EQ(renderer.viewports[0].aspect, static_cast<double>(640.0f / 480.0f));
  EXPECT_EQ(renderer.viewports[1].width, 800);
  EXPECT_EQ(renderer.viewports[1].height, 1);
  EXPECT_EQ(renderer.viewports[1].aspect, 800.0);
  EXPECT_EQ(renderer.viewports[2].width, 0);
  EXPECT_EQ(renderer.viewports[2].height, 1);
  EXPECT_EQ(renderer.viewports[2].aspect, 0.0);
  EXPECT_EQ(renderer.viewports[3].aspect, 0.0);
}

TEST_F(WindowProcTest, AspectIsDividedInSinglePrecision) {
  platform.context_current = true;
  ResizeViewport(window, 800, 600);
  ASSERT_EQ(renderer.viewports.size(), 1u);
  // 800 / 600 in single precision is 1.33333337..., not 1.3333333333.
  EXPECT_EQ(renderer.viewports[0].aspect, 1.3333333730697632);
}

TEST_F(WindowProcTest, SizeEventWithoutContextChangesNothing) {
  platform.context_current = false;
  Size(640, 480);
  ResizeViewport(window, 800, 600);
  EXPECT_TRUE(renderer.viewports.empty());
}

}  // namespace
}  // namespace vorbexia
