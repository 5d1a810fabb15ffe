// The frame drawn the plain way, as a yardstick for the game's own drawing:
// every wall strip in table order, then each floor tile directly followed
// by the ceiling tile above it, every quad drawn whether it can be seen or
// not. The lights, the camera, the movers and the gun are drawn as the game
// draws them. The world's step comes between the maze and the movers, which
// the maze does not depend on: the game, stepping before the whole frame,
// must give the same pixels.
#pragma once

#include "render/gl_resources.h"
#include "world/game_state.h"
#include "world/random.h"

namespace vorbexia {

// The whole frame into the back buffer; advances the shot and the robots
// after the maze.
void DrawReferenceScene(GameState& state, Random& random,
                        const GlResources& resources);

}  // namespace vorbexia
