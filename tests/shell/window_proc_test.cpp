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

TEST_F(WindowProcTest, KeysSetAndClearTheirEntries) {
  Send(EventCode::kKeyDown, kKeyUp);
  EXPECT_EQ(window.keys[kKeyUp], 1);
  Send(EventCode::kKeyDown, kKeyUp);  // a repeat sets it again
  EXPECT_EQ(window.keys[kKeyUp], 1);
  Send(EventCode::kKeyDown, 255);
  EXPECT_EQ(window.keys[255], 1);
  Send(EventCode::kKeyUp, kKeyUp);
  EXPECT_EQ(window.keys[kKeyUp], 0);
  // Deactivation does not release held keys.
  Activate(true);
  EXPECT_EQ(window.keys[255], 1);
}

TEST_F(WindowProcTest, KeyCodesOutsideTheTableAreIgnored) {
  const KeyTable before = window.keys;
  Send(EventCode::kKeyDown, 256);
  Send(EventCode::kKeyDown, 0xFFFFFFFFu);
  Send(EventCode::kKeyUp, 1000);
  EXPECT_EQ(window.keys, before);
}

TEST_F(WindowProcTest, CloseOnlyPostsTheQuitEvent) {
  Send(EventCode::kClose);
  EXPECT_EQ(platform.log, std::vector<std::string>{"PostQuit"});
  Event event;
  ASSERT_TRUE(platform.PeekEvent(event));
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
