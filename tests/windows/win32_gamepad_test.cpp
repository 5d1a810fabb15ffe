// XInput pads through a fake XInputGetState: the keys of the SDL pads, pads
// coming and going, the pads' keys marked as theirs, the window's focus.
#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "platform/win32/win32_gamepad.h"

// After the game's headers, so that windows.h's macros cannot reach them.
#include <windows.h>
#include <xinput.h>

namespace vorbexia {
namespace {

using Keys = std::vector<std::pair<EventCode, uint32_t>>;
std::pair<EventCode, uint32_t> Down(uint32_t key) { return {EventCode::kKeyDown, key}; }
std::pair<EventCode, uint32_t> Up(uint32_t key) { return {EventCode::kKeyUp, key}; }

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
  Keys Read(std::optional<XINPUT_GAMEPAD> pad, uint64_t now_ms = 0) {
    fake_pad = pad;
    pads.Poll(messages, now_ms);
    Keys taken;
    for (const Event& event : messages.events) taken.emplace_back(event.code, event.key);
    messages.events.clear();
    return taken;
  }

  WindowMessages messages;
  Win32Gamepads pads{XInput{&FakeGetState}};
};

TEST_F(Win32Gamepad, DpadAndLeftStickAreTheArrowKeysWithStickUpForward) {
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_DPAD_LEFT)), (Keys{Down(VK_LEFT)}));
  EXPECT_EQ(Read(Stick(0, 32767)), (Keys{Up(VK_LEFT), Down(VK_UP)}));
  EXPECT_EQ(Read(Stick(0, -32768)), (Keys{Up(VK_UP), Down(VK_DOWN)}));
  EXPECT_EQ(Read(Stick(20000, 0)), (Keys{Up(VK_DOWN), Down(VK_RIGHT)}));
  EXPECT_EQ(Read(Stick(-20000, 0)), (Keys{Up(VK_RIGHT), Down(VK_LEFT)}));
}

TEST_F(Win32Gamepad, TriggerAndAFireOncePerPressStartAndBackQuit) {
  EXPECT_EQ(Read(Trigger(127)), Keys{});  // under half
  EXPECT_EQ(Read(Trigger(128)), (Keys{Down(VK_SPACE)}));
  EXPECT_EQ(Read(Trigger(255)), Keys{});
  EXPECT_EQ(Read(Trigger(86)), Keys{});  // a third still holds
  EXPECT_EQ(Read(Trigger(85)), (Keys{Up(VK_SPACE)}));
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_A)), (Keys{Down(VK_SPACE)}));
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_A)), Keys{});
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_BACK)), (Keys{Up(VK_SPACE), Down(VK_ESCAPE)}));
  EXPECT_EQ(Read(Buttons(0)), (Keys{Up(VK_ESCAPE)}));
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_START)), (Keys{Down(VK_ESCAPE)}));
}

TEST_F(Win32Gamepad, PadPulledOutLetsGoAndOnePluggedInIsFoundWithinASecond) {
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_A), 0), (Keys{Down(VK_SPACE)}));
  EXPECT_EQ(Read(std::nullopt, 10), (Keys{Up(VK_SPACE)}));
  fake_calls = 0;
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_A), 500), Keys{});
  EXPECT_EQ(fake_calls, 0);  // empty slots are not asked at every event
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_A), 1010), (Keys{Down(VK_SPACE)}));
}

// The shell merges the keyboard with the pads: the pad's own release passes.
TEST_F(Win32Gamepad, KeyboardAndPadEachPassTheirOwnKeyThePadsMarked) {
  TakeWindowMessage(messages, WM_KEYDOWN, VK_UP, 0);
  EXPECT_FALSE(messages.events.back().pad);
  fake_pad = Stick(0, 32767);
  pads.Poll(messages, 0);
  EXPECT_TRUE(messages.events.back().pad);
  EXPECT_EQ(Read(Stick(0, 0)), (Keys{Down(VK_UP), Down(VK_UP), Up(VK_UP)}));
}

TEST_F(Win32Gamepad, InactiveWindowIgnoresPadsThatActAgainOnlyWhenPressedAnew) {
  Read(Buttons(XINPUT_GAMEPAD_A));
  TakeWindowMessage(messages, WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_BACK)), (Keys{Up(VK_SPACE), {EventCode::kActivate, 0}}));
  TakeWindowMessage(messages, WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_A)), (Keys{{EventCode::kActivate, 0}}));
  EXPECT_EQ(Read(Buttons(0)), Keys{});
  EXPECT_EQ(Read(Buttons(XINPUT_GAMEPAD_A)), (Keys{Down(VK_SPACE)}));
}

}  // namespace
}  // namespace vorbexia
