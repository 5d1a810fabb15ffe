// Game pads through the browser's Gamepad API: pads in the standard layout
// (which the browser gives every pad it knows) become the key events the
// keyboard sends (pad_keys.h), shared with the keyboard by who holds each
// key (key_sources.h). The browser reports no pad events of its own, so
// the pads are sampled at every animation frame; pads plugged in or pulled
// out are found there.
#pragma once

#include <array>
#include <deque>
#include <vector>

#include "platform/common/key_sources.h"
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
  // Takes a sample of every pad and adds the key events of what changed.
  void Sample(std::deque<Event>& events);

  // Follows a key event from the keyboard; true when it goes on to the window.
  bool PassKeyboardKey(const Event& event);

  // The window has let every key go (it lost the focus): what the pads hold
  // now acts again only once let go and pressed anew.
  void ForgetHeldKeys();

 private:
  struct Pad {
    PadState state;
    std::vector<uint32_t> held;   // the keys the pad holds
    std::vector<uint32_t> muted;  // held at the focus loss, not yet let go
  };
  static constexpr int kPads = kMaxKeySource;  // pad i is key source i + 1

  // One pad's sample: the key events of what changed for pad `index`.
  void Follow(int index, const StandardPad& sample, std::deque<Event>& events);

  std::array<Pad, kPads> pads_{};
  KeySources sources_;
};

}  // namespace vorbexia
