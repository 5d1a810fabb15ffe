// The level and the start state: one floor rectangle, 22 wall lines and the
// five robots' starting places.
#pragma once

#include "world/game_state.h"
#include "world/random.h"

namespace vorbexia {

constexpr int32_t kRobotStartHp = 3;  // hits a robot takes before it falls

// Writes the floor rectangle and then the 22 wall rows into the state. The
// level never changes afterwards.
void SetupLevel(GameState& state);

// Robots 0 to 4 in turn get 3 hit points and a heading of a whole number of
// degrees (one generator value each, robot 0 taking the first); then all five
// get their start positions. Draws exactly five values.
void SetupRobots(GameState& state, Random& random);

}  // namespace vorbexia
