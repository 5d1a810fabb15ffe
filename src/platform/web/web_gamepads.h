// Game pads through the browser's Gamepad API: pads in the standard layout
// (which the browser gives every pad it knows) become the game's actions
// (pad_keys.h), each pad a source of its own. The browser reports no pad
// events of its own, so the pads are sampled at every animation frame; pads
// plugged in or pulled out are found there.
#pragma once

#include <array>
#include <vector>

#include "platform/common/pad_keys.h"
#include "shell/platform.h"

namespace vorbexia {

// The standard layout's buttons and axes, as far as the game uses them.
struct StandardPad {
  bool connected = false;
  std::array<bool, 17> buttons{};  // 0 south, 8 back, 9 start, 12 to 15 the d-pad
  float right_trigger = 0.0f;      // 0 to 1
  float stick_x = 0.0f;            // left stick, -1 (left) to 1
  float stick_y = 0.0f;            // -1 (up) to 1
};

// The pad's state after the sample, given what its sticks and trigger held
// before (they press and let go at different points).
PadState PadStateOf(const StandardPad& sample, const PadState& before);

class WebGamepads {
 public:
  static constexpr int kPads = 32;  // pad i is source i + 1

  // Takes a sample of every pad and adds the events of what changed.
  void Sample(std::vector<Event>& events);

 private:
  // One pad's sample: the events of what changed for pad `index`.
  void Follow(int index, const StandardPad& sample, std::vector<Event>& events);

  std::array<PadState, kPads> pads_{};
};

}  // namespace vorbexia
