// The Win32 window procedure's half of the events: which messages the game
// takes (the procedure returns 0) and which go to DefWindowProcA, and the
// events queued for GameWindowProc.
#include <gtest/gtest.h>

#include "shell/win32_messages.h"

// After the game's headers: windows.h defines the box constants as macros.
#include <windows.h>

namespace vorbexia {
namespace {

std::vector<std::pair<EventCode, uint32_t>> Drain(WindowMessages& messages) {
  std::vector<std::pair<EventCode, uint32_t>> taken;
  for (const Event& event : messages.events) taken.emplace_back(event.code, event.wparam);
  messages.events.clear();
  return taken;
}

TEST(Win32Messages, CloseSizeAndActivateAreTakenAndOnlyQueued) {
  WindowMessages messages;
  EXPECT_TRUE(TakeWindowMessage(messages, WM_CLOSE, 0, 0));
  EXPECT_TRUE(TakeWindowMessage(messages, WM_SIZE, SIZE_RESTORED, MAKELPARAM(800, 600)));
  EXPECT_TRUE(TakeWindowMessage(messages, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0));
  ASSERT_EQ(messages.events.size(), 3u);
  EXPECT_EQ(messages.events[0].code, EventCode::kClose);
  EXPECT_EQ(messages.events[1].lparam, MakeLong(800, 600));  // the client area
  EXPECT_EQ(HighWord(messages.events[2].wparam), 1u);        // minimised
}

TEST(Win32Messages, OnlyScreenSaverAndMonitorPowerAreRefused) {
  WindowMessages messages;
  EXPECT_TRUE(TakeWindowMessage(messages, WM_SYSCOMMAND, SC_SCREENSAVE, 0));
  EXPECT_TRUE(TakeWindowMessage(messages, WM_SYSCOMMAND, SC_MONITORPOWER, 2));
  EXPECT_FALSE(TakeWindowMessage(messages, WM_SYSCOMMAND, SC_MONITORPOWER | 1, 0));
  EXPECT_FALSE(TakeWindowMessage(messages, WM_SYSCOMMAND, SC_CLOSE, 0));
  EXPECT_FALSE(TakeWindowMessage(messages, WM_SYSCOMMAND, SC_MINIMIZE, 0));
  EXPECT_EQ(messages.events.size(), 2u);
}

TEST(Win32Messages, LosingTheFocusLetsGoOfHeldKeysBeforeItReports) {
  WindowMessages messages;
  EXPECT_TRUE(TakeWindowMessage(messages, WM_KEYDOWN, VK_UP, 0));
  EXPECT_TRUE(TakeWindowMessage(messages, WM_KEYDOWN, VK_LEFT, 0));
  EXPECT_TRUE(TakeWindowMessage(messages, WM_KEYUP, VK_UP, 0));
  Drain(messages);
  EXPECT_TRUE(TakeWindowMessage(messages, WM_ACTIVATE, WA_INACTIVE, 0));
  EXPECT_EQ(Drain(messages), (std::vector<std::pair<EventCode, uint32_t>>{
                                 {EventCode::kKeyUp, VK_LEFT}, {EventCode::kActivate, WA_INACTIVE}}));
  // Nothing is held any more: losing the focus releases nothing twice.
  EXPECT_FALSE(TakeWindowMessage(messages, WM_KILLFOCUS, 0, 0));
  EXPECT_TRUE(Drain(messages).empty());
}

TEST(Win32Messages, SystemKeysTakeTheDefaultHandling) {
  WindowMessages messages;
  EXPECT_FALSE(TakeWindowMessage(messages, WM_SYSKEYDOWN, VK_F4, 0));
  EXPECT_FALSE(TakeWindowMessage(messages, WM_SYSKEYUP, VK_F4, 0));
  EXPECT_TRUE(messages.events.empty());
}

}  // namespace
}  // namespace vorbexia
