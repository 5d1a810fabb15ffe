// The frame drawn the plain way, as a yardstick for the game's own drawing:
// every wall strip in table order, then each floor tile directly followed
// by the ceiling tile above it, every quad drawn whether it can be seen or
// not. The lights, the camera, the movers and the gun are drawn as the game
// draws them.
#pragma once

#include "world/game_state.h"
#include "world/random.h"

namespace vorbexia {

// The whole frame into the back buffer; advances the shot and the robots.
void DrawReferenceScene(GameState& state, Random& random);

}  // namespace vorbexia
