// A game pad as the game's actions: the d-pad and the left stick walk and
// turn as the arrow keys do, the south button and the right trigger fire as
// Space does, Start and Back quit as Esc does. A pad posts its changes into
// the one input state as the keyboard's keys go there, so that the frame's
// command, the demos and the rules see nothing new.
#pragma once

#include <vector>

#include "controls/event.h"

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

// The actions the pad holds, in the actions' order.
std::vector<Action> PadHeldActions(const PadState& pad);

// The events by which pad `source` goes from `before` to `after`: what it
// let go of, then what it pressed. A pad that holds on sends nothing, so
// that what the window let go of (it lost the focus) acts again only once
// pressed anew.
std::vector<Event> PadChanges(int source, const PadState& before, const PadState& after);

}  // namespace vorbexia
