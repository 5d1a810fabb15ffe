// The rules of the world: level, collision, player motion, robots, the shot.
// Pure computation on the GameState; no SDL and no OpenGL.
#pragma once

#include "world/collision.h"
#include "world/game_state.h"
#include "world/key_actions.h"
#include "world/level.h"
#include "world/player.h"
#include "world/random.h"
#include "world/robots.h"
#include "world/shot.h"

namespace vorbexia {

// One world frame as the scene advances it: the shot, then robots 0 to 4.
// The renderer draws the shot and the robots from the state it leaves.
void AdvanceWorld(GameState& state, Random& random);

}  // namespace vorbexia
