// The shot and the robots as a frame draws them, each from its state as
// the world's step left it.
//
// Both are called with the camera transform on the modelview matrix, inside
// a push/pop pair of their own, and leave their transforms for the caller
// to pop.
#pragma once

#include "render/gl_resources.h"
#include "world/game_state.h"

namespace vorbexia {

// The shot in flight, 0.25 above the floor, its nose along its heading,
// with texture slot 4 and the shot's list. The caller draws it only while
// it is active.
void DrawShot(const GameState& state, const GlResources& resources);

// Robot `index` (0 to 4). A live robot stands 0.3 above the floor with
// texture slot 6; a destroyed one lies on its back 0.1 above the floor
// (tilted -90 degrees about x) with texture slot 5. Both face along the
// robot's heading and draw the robot's list. A robot `flashing` from a hit
// is drawn in one bright colour, unlit and untextured, for those frames.
void DrawRobot(const GameState& state, const GlResources& resources, int index,
               bool flashing = false);

}  // namespace vorbexia
