#include "platform/win32/win32_gamepad.h"

#include <vector>

// After the game's headers (see win32_platform.cpp).
#include <windows.h>
#include <xinput.h>

namespace vorbexia {
namespace {

// Slot 0 plays as source 1, and so on.
int SourceOf(int slot) { return 1 + slot; }

PadReading ReadingOf(const XINPUT_GAMEPAD& pad) {
  return PadReading{pad.wButtons, pad.bRightTrigger, pad.sThumbLX, pad.sThumbLY};
}

// The trigger's 0 to 255 on the 0 to 32767 of the axes, which the press and
// release thresholds are set for.
int TriggerAxis(int trigger) { return trigger * 32767 / 255; }

void FollowButtons(PadState& pad, uint16_t before, uint16_t now) {
  const auto follow = [&](bool& held, uint16_t bit) {
    if (((before ^ now) & bit) != 0) held = (now & bit) != 0;
  };
  follow(pad.dpad_up, XINPUT_GAMEPAD_DPAD_UP);
  follow(pad.dpad_down, XINPUT_GAMEPAD_DPAD_DOWN);
  follow(pad.dpad_left, XINPUT_GAMEPAD_DPAD_LEFT);
  follow(pad.dpad_right, XINPUT_GAMEPAD_DPAD_RIGHT);
  follow(pad.south, XINPUT_GAMEPAD_A);
  follow(pad.start, XINPUT_GAMEPAD_START);
  follow(pad.back, XINPUT_GAMEPAD_BACK);
}

// Only the buttons and axes that changed act, as SDL's pad events do: after
// the window let go of every key, a pad held still stays let go.
void Follow(PadState& pad, const PadReading& before, const PadReading& now) {
  FollowButtons(pad, before.buttons, now.buttons);
  if (now.left_x != before.left_x) pad.stick_x = AxisDirection(pad.stick_x, now.left_x);
  // XInput's Y axis points up, PadState's down (as SDL's): up walks forward.
  if (now.left_y != before.left_y) pad.stick_y = AxisDirection(pad.stick_y, -now.left_y);
  if (now.right_trigger != before.right_trigger) {
    pad.trigger = AxisDirection(pad.trigger ? 1 : 0, TriggerAxis(now.right_trigger)) > 0;
  }
}

void QueueAll(WindowMessages& messages, const std::vector<Event>& events) {
  for (const Event& event : events) QueueEvent(messages, event);
}

}  // namespace

// The loader shows no box of its own for a DLL it cannot load.
XInputLibrary::XInputLibrary() {
  const UINT error_mode = SetErrorMode(SEM_FAILCRITICALERRORS);
  module_ = LoadLibraryA("xinput1_4.dll");
  if (module_ == nullptr) module_ = LoadLibraryA("xinput9_1_0.dll");
  SetErrorMode(error_mode);
  if (module_ == nullptr) return;
  // Through void(*)(): GCC's way of saying that the type is known.
  xinput_.get_state = reinterpret_cast<XInputGetStateFunction>(
      reinterpret_cast<void (*)()>(GetProcAddress(module_, "XInputGetState")));
}

XInputLibrary::~XInputLibrary() {
  if (module_ != nullptr) FreeLibrary(module_);
}

void Win32Gamepads::Poll(WindowMessages& messages, uint64_t now_ms) {
  if (xinput_.get_state == nullptr || !messages.active) return;
  for (int index = 0; index < int(slots_.size()); ++index) {
    PollSlot(messages, index, now_ms);
  }
}

// A pad answers at every reading; a slot with no pad only every kRetryMs.
void Win32Gamepads::PollSlot(WindowMessages& messages, int index, uint64_t now_ms) {
  Slot& slot = slots_[size_t(index)];
  if (!slot.connected && now_ms < slot.next_try_ms) return;
  XINPUT_STATE state{};
  if (xinput_.get_state(DWORD(index), &state) != ERROR_SUCCESS) {
    Unplug(messages, index, now_ms);
    return;
  }
  slot.connected = true;
  const PadState before = slot.state;
  const PadReading now = ReadingOf(state.Gamepad);
  Follow(slot.state, slot.last, now);
  slot.last = now;
  QueueAll(messages, PadChanges(SourceOf(index), before, slot.state));
}

// The slot's pad, if it had one, lets go of every key it held.
void Win32Gamepads::Unplug(WindowMessages& messages, int index, uint64_t now_ms) {
  Slot& slot = slots_[size_t(index)];
  QueueAll(messages, PadChanges(SourceOf(index), slot.state, PadState{}));
  slot = Slot{};
  slot.next_try_ms = now_ms + kRetryMs;
}

}  // namespace vorbexia
