#include "platform/web/web_gamepads.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <cstring>

namespace vorbexia {
namespace {

constexpr int kSouth = 0, kBack = 8, kStart = 9;
constexpr int kDpadUp = 12, kDpadDown = 13, kDpadLeft = 14, kDpadRight = 15;
constexpr int kRightTrigger = 7;

// The browser's -1 to 1 as SDL's -32768 to 32767, for pad_keys' thresholds.
int AxisValue(float value) {
  return static_cast<int>(std::clamp(value, -1.0f, 1.0f) * 32767.0f);
}

StandardPad ReadPad(int index) {
  StandardPad pad;
  EmscriptenGamepadEvent status{};
  if (emscripten_get_gamepad_status(index, &status) != EMSCRIPTEN_RESULT_SUCCESS ||
      !status.connected || std::strcmp(status.mapping, "standard") != 0) {
    return pad;
  }
  pad.connected = true;
  const int buttons = std::min<int>(status.numButtons, pad.buttons.size());
  for (int b = 0; b < buttons; ++b) pad.buttons[b] = status.digitalButton[b] != 0;
  if (status.numButtons > kRightTrigger) {
    pad.right_trigger = static_cast<float>(status.analogButton[kRightTrigger]);
  }
  if (status.numAxes >= 2) {
    pad.stick_x = static_cast<float>(status.axis[0]);
    pad.stick_y = static_cast<float>(status.axis[1]);
  }
  return pad;
}

}  // namespace

PadState PadStateOf(const StandardPad& sample, const PadState& before) {
  PadState pad;
  if (!sample.connected) return pad;
  pad.dpad_up = sample.buttons[kDpadUp];
  pad.dpad_down = sample.buttons[kDpadDown];
  pad.dpad_left = sample.buttons[kDpadLeft];
  pad.dpad_right = sample.buttons[kDpadRight];
  pad.south = sample.buttons[kSouth];
  pad.start = sample.buttons[kStart];
  pad.back = sample.buttons[kBack];
  pad.stick_x = AxisDirection(before.stick_x, AxisValue(sample.stick_x));
  pad.stick_y = AxisDirection(before.stick_y, AxisValue(sample.stick_y));
  pad.trigger = AxisDirection(before.trigger ? 1 : 0, AxisValue(sample.right_trigger)) > 0;
  return pad;
}

void WebGamepads::Sample(std::vector<Event>& events) {
  if (emscripten_sample_gamepad_data() != EMSCRIPTEN_RESULT_SUCCESS) return;
  const int count = std::min(emscripten_get_num_gamepads(), kPads);
  for (int index = 0; index < kPads; ++index) {
    Follow(index, index < count ? ReadPad(index) : StandardPad{}, events);
  }
}

void WebGamepads::Follow(int index, const StandardPad& sample, std::vector<Event>& events) {
  PadState& pad = pads_[index];
  const PadState before = pad;
  pad = PadStateOf(sample, before);
  for (const Event& change : PadChanges(index + 1, before, pad)) events.push_back(change);
}

}  // namespace vorbexia
