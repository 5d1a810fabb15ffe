#include "platform/common/pad_keys.h"

#include "controls/key_codes.h"

namespace vorbexia {

int AxisDirection(int held, int value) {
  if (held < 0 && value <= -kAxisRelease) return -1;
  if (held > 0 && value >= kAxisRelease) return 1;
  if (value <= -kAxisPress) return -1;
  if (value >= kAxisPress) return 1;
  return 0;
}

std::vector<uint32_t> PadHeldKeys(const PadState& pad) {
  std::vector<uint32_t> keys;
  const auto hold = [&](bool held, int key) {
    if (held) keys.push_back(static_cast<uint32_t>(key));
  };
  hold(pad.start || pad.back, kKeyEscape);
  hold(pad.south || pad.trigger, kKeySpace);
  hold(pad.dpad_left || pad.stick_x < 0, kKeyLeft);
  hold(pad.dpad_up || pad.stick_y < 0, kKeyUp);
  hold(pad.dpad_right || pad.stick_x > 0, kKeyRight);
  hold(pad.dpad_down || pad.stick_y > 0, kKeyDown);
  return keys;
}

}  // namespace vorbexia
