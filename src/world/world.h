// The rules of the world: level, collision, player motion, robots, the shot.
// Pure computation on the GameState; no SDL and no OpenGL.
#pragma once

#include "world/collision.h"
#include "world/frame.h"
#include "world/game_state.h"
#include "world/level.h"
#include "world/player.h"
#include "world/random.h"
#include "world/robots.h"
#include "world/shot.h"
