// The Win32 window procedure's half of the events: which messages the game
// takes (the procedure returns 0) and which go to DefWindowProcA, and the
// events queued for GameWindowProc; and the types and answers of the boxes.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/win32/win32_messages.h"

// After the game's headers, so that windows.h's macros cannot reach them.
#include <windows.h>

namespace vorbexia {
namespace {

std::vector<std::pair<EventCode, uint32_t>> Drain(WindowMessages& messages) {
  std::vector<std::pair<EventCode, uint32_t>> taken;
  for (const Event& event : messages.events) taken.emplace_back(event.code, event.key);
  messages.events.clear();
  return taken;
}

TEST(Win32Messages, CloseSizeAndActivateAreTakenAndOnlyQueued) {
  WindowMessages messages;
  EXPECT_TRUE(TakeWindowMessage(messages, WM_CLOSE, 0, 0));
  EXPECT_TRUE(TakeWindowMessage(messages, WM_SIZE, SIZE_RESTORED, MAKELPARAM(800, 600)));
  EXPECT_TRUE(TakeWindowMessage(messages, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0));
  EXPECT_TRUE(TakeWindowMessage(messages, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), 0));
  ASSERT_EQ(messages.events.size(), 4u);
  EXPECT_EQ(messages.events[0].code, EventCode::kClose);
  EXPECT_EQ(messages.events[1].code, EventCode::kSize);  // the client area
  EXPECT_EQ(messages.events[1].width, 800);
  EXPECT_EQ(messages.events[1].height, 600);
  EXPECT_EQ(messages.events[2].code, EventCode::kActivate);
  EXPECT_TRUE(messages.events[2].minimised);
  EXPECT_FALSE(messages.events[2].focus);
  EXPECT_EQ(messages.events[3].code, EventCode::kActivate);
  EXPECT_FALSE(messages.events[3].minimised);
  EXPECT_TRUE(messages.events[3].focus);
}

TEST(Win32Messages, TheLargestClientAreaKeepsBothSizes) {
  WindowMessages messages;
  EXPECT_TRUE(TakeWindowMessage(messages, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(65535, 40000)));
  ASSERT_EQ(messages.events.size(), 1u);
  EXPECT_EQ(messages.events[0].width, 65535);
  EXPECT_EQ(messages.events[0].height, 40000);
}

TEST(Win32Messages, KeysCarryTheirVirtualKeyCode) {
  WindowMessages messages;
  EXPECT_TRUE(TakeWindowMessage(messages, WM_KEYDOWN, VK_SPACE, 0x00390001));
  EXPECT_TRUE(TakeWindowMessage(messages, WM_KEYUP, VK_SPACE, 0xC0390001));
  EXPECT_EQ(Drain(messages), (std::vector<std::pair<EventCode, uint32_t>>{
                                 {EventCode::kKeyDown, VK_SPACE}, {EventCode::kKeyUp, VK_SPACE}}));
}

TEST(Win32Messages, OnlyScreenSaverAndMonitorPowerAreRefusedAndNothingIsQueued) {
  WindowMessages messages;
  EXPECT_TRUE(TakeWindowMessage(messages, WM_SYSCOMMAND, SC_SCREENSAVE, 0));
  EXPECT_TRUE(TakeWindowMessage(messages, WM_SYSCOMMAND, SC_MONITORPOWER, 2));
  EXPECT_FALSE(TakeWindowMessage(messages, WM_SYSCOMMAND, SC_MONITORPOWER | 1, 0));
  EXPECT_FALSE(TakeWindowMessage(messages, WM_SYSCOMMAND, SC_CLOSE, 0));
  EXPECT_FALSE(TakeWindowMessage(messages, WM_SYSCOMMAND, SC_MINIMIZE, 0));
  EXPECT_TRUE(messages.events.empty());
}

// The input state lets go of the keys held at a focus lost; the keyboard
// focus lost alone (the window still active) is told as lost too, with the
// window's minimised state.
TEST(Win32Messages, TheFocusLostIsToldAlsoWhenOnlyTheKeyboardGoes) {
  WindowMessages messages;
  EXPECT_TRUE(TakeWindowMessage(messages, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0));
  EXPECT_FALSE(TakeWindowMessage(messages, WM_KILLFOCUS, 0, 0));
  ASSERT_EQ(messages.events.size(), 2u);
  for (const Event& event : messages.events) {
    EXPECT_EQ(event.code, EventCode::kActivate);
    EXPECT_TRUE(event.minimised);
    EXPECT_FALSE(event.focus);
  }
}

TEST(Win32Messages, TheEndOfTheSessionClosesTheGameOnce) {
  WindowMessages messages;
  EXPECT_TRUE(TakeWindowMessage(messages, WM_ENDSESSION, FALSE, 0));  // it goes on
  // May the session end? DefWindowProcA answers TRUE; the close is queued.
  EXPECT_FALSE(TakeWindowMessage(messages, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
  EXPECT_TRUE(TakeWindowMessage(messages, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF));
  EXPECT_EQ(Drain(messages), (std::vector<std::pair<EventCode, uint32_t>>{{EventCode::kClose, 0}}));
  // Ended unasked (as by a critical shutdown), the session closes the game too.
  WindowMessages unasked;
  EXPECT_TRUE(TakeWindowMessage(unasked, WM_ENDSESSION, TRUE, ENDSESSION_CRITICAL));
  EXPECT_EQ(Drain(unasked), (std::vector<std::pair<EventCode, uint32_t>>{{EventCode::kClose, 0}}));
}

// Every key passes; of the system keys only Alt+F4 (the close) is left to
// DefWindowProcA, whose system menu would hold the game and beep.
TEST(Win32Messages, SystemKeysPassMarkedWithAltAndOnlyAltF4IsLeftToWindows) {
  constexpr int64_t kAltHeld = int64_t{1} << 29;
  WindowMessages messages;
  EXPECT_TRUE(TakeWindowMessage(messages, WM_SYSKEYDOWN, VK_RETURN, kAltHeld));
  EXPECT_TRUE(TakeWindowMessage(messages, WM_SYSCHAR, '\r', kAltHeld));
  EXPECT_TRUE(TakeWindowMessage(messages, WM_SYSKEYDOWN, VK_F10, 0));  // F10 alone
  EXPECT_TRUE(TakeWindowMessage(messages, WM_SYSKEYUP, VK_MENU, 0xC0000000));
  EXPECT_FALSE(TakeWindowMessage(messages, WM_SYSKEYDOWN, VK_F4, kAltHeld));
  ASSERT_EQ(messages.events.size(), 4u);
  const bool alt[] = {true, false, false, true};
  const EventCode codes[] = {EventCode::kKeyDown, EventCode::kKeyDown, EventCode::kKeyUp,
                             EventCode::kKeyDown};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(messages.events[i].alt, alt[i]) << i;
    EXPECT_EQ(messages.events[i].code, codes[i]) << i;
  }
}

// Client coordinates are signed: a pointer left of the client area has a
// negative x. The move back to the centre reports nothing.
TEST(Win32Messages, AFreePointerReportsWhereItIsACapturedOneTheOffsetFromTheCentreOnly) {
  WindowMessages messages;
  // Free, the pointer is where it is (the menu follows it), clicks too.
  EXPECT_TRUE(TakeWindowMessage(messages, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10)));
  EXPECT_TRUE(TakeWindowMessage(messages, WM_RBUTTONDOWN, 0, MAKELPARAM(12, 11)));
  ASSERT_EQ(messages.events.size(), 2u);
  EXPECT_EQ(messages.events[0].code, EventCode::kPointer);
  EXPECT_EQ(messages.events[0].button, PointerButton::kNone);
  EXPECT_EQ(messages.events[1].button, PointerButton::kRight);
  EXPECT_EQ(messages.events[1].x, 12);
  EXPECT_EQ(messages.events[1].y, 11);
  messages.events.clear();
  messages.mouse = MouseCapture{.on = true, .centre_x = 400, .centre_y = 300};
  EXPECT_FALSE(TakeWindowMessage(messages, WM_LBUTTONDOWN, 0, MAKELPARAM(400, 300)));
  EXPECT_TRUE(TakeWindowMessage(messages, WM_MOUSEMOVE, 0, MAKELPARAM(400, 300)));
  EXPECT_TRUE(TakeWindowMessage(messages, WM_MOUSEMOVE, 0, MAKELPARAM(-3, 301)));
  ASSERT_EQ(messages.events.size(), 1u);
  EXPECT_EQ(messages.events[0].dx, -403);
  EXPECT_EQ(messages.events[0].dy, 1);
  EXPECT_TRUE(messages.mouse.moved);
}

Box BoxOf(BoxButtons buttons, BoxIcon icon) {
  return Box{"text", "caption", buttons, icon, BoxOwner::kNone};
}

TEST(Win32Boxes, ButtonsAndIconMakeTheMessageBoxType) {
  EXPECT_EQ(MessageBoxType(BoxOf(BoxButtons::kOk, BoxIcon::kNone)), UINT{MB_OK});
  EXPECT_EQ(MessageBoxType(BoxOf(BoxButtons::kOk, BoxIcon::kWarning)),
            UINT{MB_OK | MB_ICONEXCLAMATION});
  EXPECT_EQ(MessageBoxType(BoxOf(BoxButtons::kOk, BoxIcon::kStop)), UINT{MB_OK | MB_ICONSTOP});
  EXPECT_EQ(MessageBoxType(BoxOf(BoxButtons::kOk, BoxIcon::kInformation)),
            UINT{MB_OK | MB_ICONINFORMATION});
  EXPECT_EQ(MessageBoxType(BoxOf(BoxButtons::kYesNo, BoxIcon::kWarning)),
            UINT{MB_YESNO | MB_ICONEXCLAMATION});
  EXPECT_EQ(MessageBoxType(BoxOf(BoxButtons::kYesNo, BoxIcon::kQuestion)),
            UINT{MB_YESNO | MB_ICONQUESTION});
}

TEST(Win32Boxes, AnswersAndBoxesThatCouldNotBeShown) {
  EXPECT_EQ(AnswerOfMessageBox(IDYES, BoxButtons::kYesNo), BoxAnswer::kYes);
  EXPECT_EQ(AnswerOfMessageBox(IDNO, BoxButtons::kYesNo), BoxAnswer::kNo);
  EXPECT_EQ(AnswerOfMessageBox(IDOK, BoxButtons::kOk), BoxAnswer::kOk);
  // MessageBoxA answers 0 when it fails.
  EXPECT_EQ(AnswerOfMessageBox(0, BoxButtons::kYesNo), BoxAnswer::kNo);
  EXPECT_EQ(AnswerOfMessageBox(0, BoxButtons::kOk), BoxAnswer::kOk);
}

}  // namespace
}  // namespace vorbexia
