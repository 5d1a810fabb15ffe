// Turning by mouse: relative motion becomes turn-left and turn-right frames
// of the world's own 3-degree steps, one step a frame at most, with the
// remainder carried over. So a demo still records keys only and replays
// exactly.
#pragma once

#include "world/frame.h"
#include "world/player.h"

namespace vorbexia {

// A flick faster than the turn keys can follow is caught up over at most
// half a second of frames; beyond that the motion is dropped.
constexpr double kMaxTurnBacklog = 90.0;  // degrees

struct MouseTurn {
  double sensitivity = 0.15;  // degrees per pixel
  double owed = 0.0;          // degrees still to turn; positive: right
};

// Motion of `dx` pixels (positive: right).
void AddMouseMotion(MouseTurn& turn, int dx);

// The turn step this frame owes, as its right or left key (kept when the
// keyboard already holds it).
void TakeTurnStep(MouseTurn& turn, FrameKeys& keys);

}  // namespace vorbexia
