// XInput pads through a fake XInputGetState: the actions of the SDL pads,
// pads coming and going, the window's focus.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>

#include "platform/win32/win32_gamepad.h"

// After the game's headers, so that windows.h's macros cannot reach them.
#include <windows.h>
#include <xinput.h>

namespace vorbexia {
namespace {

// The events of a reading as "+walk -fire activate".
std::string Seen(const std::deque<Event>& events) {
  constexpr const char* kNames[] = {"walk", "back", "left", "right", "fire", "quit"};
  std::string seen;
  for (const Event& event : events) {
    if (!seen.empty()) seen += ' ';
    if (event.code == EventCode::kActivate) {
      seen += "activate";
      continue;
    }
    EXPECT_EQ(event.source, 1);
    seen += event.code == EventCode::kActionDown ? '+' : '-';
    seen += kNames[static_cast<int>(event.action)];
  }
  return seen;
}

XINPUT_GAMEPAD Buttons(WORD buttons) { return {buttons, 0, 0, 0, 0, 0, 0}; }
XINPUT_GAMEPAD Trigger(BYTE right) { return {0, 0, right, 0, 0, 0, 0}; }
XINPUT_GAMEPAD Stick(SHORT x, SHORT y) { return {0, 0, 0, x, y, 0, 0}; }

// The pad in user slot 0 (the others are empty), and how often it was asked.
std::optional<XINPUT_GAMEPAD> fake_pad;
int fake_calls = 0;

DWORD WINAPI FakeGetState(DWORD slot, XINPUT_STATE* state) {
  ++fake_calls;
  if (slot != 0 || !fake_pad) return ERROR_DEVICE_NOT_CONNECTED;
  state->Gamepad = *fake_pad;
  return ERROR_SUCCESS;
}

struct Win32Gamepad : testing::Test {
  void SetUp() override {
    fake_pad.reset();
    messages.active = true;
  }

  // The events of one reading of the pads, the pad in slot 0 being `pad`.
  std::string Read(std::optional<XINPUT_GAMEPAD> pad, uint64_t now_ms = 0) {
    fake_pad = pad;
    pads.Poll(messages, now_ms);
    const std::string seen = Seen(messages.events);
    messages.events.clear();
    return seen;
  }

  WindowMessages messages;
  Win32Gamepads pads{XInput{&FakeGetState}};
};

TEST_F(Win32Gamepad, DpadAndLeftStickWalkAndTurnWithStickUpForward) {
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_DPAD_LEFT)), "+left");
  EXPECT_EQ(Read(Stick(0, 32767)), "-left +walk");
  EXPECT_EQ(Read(Stick(0, -32768)), "-walk +back");
  EXPECT_EQ(Read(Stick(20000, 0)), "-back +right");
  EXPECT_EQ(Read(Stick(-20000, 0)), "-right +left");
}

TEST_F(Win32Gamepad, TriggerAndAFireOncePerPressStartAndBackQuit) {
  EXPECT_EQ(Read(Trigger(127)), "");  // under half
  EXPECT_EQ(Read(Trigger(128)), "+fire");
  EXPECT_EQ(Read(Trigger(255)), "");
  EXPECT_EQ(Read(Trigger(86)), "");  // a third still holds
  EXPECT_EQ(Read(Trigger(85)), "-fire");
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_A)), "+fire");
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_A)), "");
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_BACK)), "-fire +quit");
  EXPECT_EQ(Read(Buttons(0)), "-quit");
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_START)), "+quit");
}

TEST_F(Win32Gamepad, PadPulledOutLetsGoAndOnePluggedInIsFoundWithinASecond) {
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_A), 0), "+fire");
  EXPECT_EQ(Read(std::nullopt, 10), "-fire");
  fake_calls = 0;
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_A), 500), "");
  EXPECT_EQ(fake_calls, 0);  // empty slots are not asked at every event
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_A), 1010), "+fire");
}

// Only what changed is sent: a button held through the focus loss (which
// lets everything go) acts again only once let go and pressed anew.
TEST_F(Win32Gamepad, InactiveWindowIgnoresPadsThatActAgainOnlyWhenPressedAnew) {
  Read(Buttons(XINPUT_GAMEPAD_A));
  TakeWindowMessage(messages, WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_BACK)), "activate");
  TakeWindowMessage(messages, WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_A)), "activate");
  EXPECT_EQ(Read(Buttons(0)), "-fire");
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_A)), "+fire");
}

}  // namespace
}  // namespace vorbexia
