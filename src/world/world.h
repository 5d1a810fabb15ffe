// The rules of the world: level, collision, player motion, robots, the shot.
// Pure computation on the GameState; no SDL and no OpenGL.
#pragma once

#include "world/game_state.h"
#include "world/random.h"

namespace vorbexia {

// Level and start state.
void SetupLevel(GameState& state);
void SetupRobots(GameState& state, Random& random);

// The collision test; for the shot (mover 100) it also deals the damage.
bool IsPositionFree(GameState& state, float x, float z, MoverId mover);

// Player motion, one call per frame while the key is held.
void MoveForward(GameState& state);
void MoveBackward(GameState& state);
void TurnRight(GameState& state);
void TurnLeft(GameState& state);

// The plasma shot.
void FireShot(GameState& state);
void StepShot(GameState& state);

// One robot's step for this frame (draws 1, 3 or 5 generator values when live).
void StepRobot(GameState& state, Random& random, int index);

// One world frame as the scene advances it: the shot, then robots 0 to 4.
void AdvanceWorld(GameState& state, Random& random);

// The victory test: true when no robot has hit points left.
bool AllRobotsDestroyed(const GameState& state);

}  // namespace vorbexia
