// The drawing halves of the shot's and the robots' frame steps: each mover
// is drawn from its state after the world has stepped it.
//
// Both are called with the camera transform on the modelview matrix, inside
// a push/pop pair of their own, and leave their transforms for the caller
// to pop.
#pragma once

#include "world/game_state.h"

namespace vorbexia {

// The shot in flight, 0.25 above the floor, its nose along its heading,
// with texture slot 4. The caller draws it only after a free step.
void DrawShot(const GameState& state);

// Robot `index` (0 to 4). A live robot stands 0.3 above the floor with
// texture slot 6; a destroyed one lies on its back 0.1 above the floor
// (tilted -90 degrees about x) with texture slot 5. Both face along the
// robot's heading.
void DrawRobot(const GameState& state, int index);

}  // namespace vorbexia
