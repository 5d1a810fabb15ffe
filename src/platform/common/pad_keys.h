// A game pad as the game's keys. A pad plays through the very same key
// events as the keyboard, so that the loop, the demos and the rules see
// nothing new: the d-pad and the left stick walk and
// turn as the arrow keys, the south button and the right trigger fire as
// Space, Start and Back quit as Esc.
#pragma once

#include <cstdint>
#include <vector>

namespace vorbexia {

// Axis values run from -32768 to 32767 (triggers from 0). A stick or trigger
// presses past about half its travel and lets go below about a third, so that
// a stick resting near the edge neither flickers nor walks by itself.
constexpr int kAxisPress = 16384;
constexpr int kAxisRelease = 10923;

// The held direction of an axis (-1, 0 or 1) after it moved to `value`, given
// the direction it held before.
int AxisDirection(int held, int value);

// What a pad holds, its sticks and triggers already as directions.
struct PadState {
  bool dpad_up = false, dpad_down = false, dpad_left = false, dpad_right = false;
  int stick_x = 0;  // left stick: -1 left, 1 right
  int stick_y = 0;  // left stick: -1 up, 1 down
  bool south = false;
  bool trigger = false;  // the right trigger
  bool start = false, back = false;
};

// The virtual-key codes the pad holds, lowest first.
std::vector<uint32_t> PadHeldKeys(const PadState& pad);

}  // namespace vorbexia
