// Helpers shared by the world tests.
#pragma once

#include <cstdint>
#include <functional>

#include "world/world.h"

namespace vorbexia::testing {

// The level with the start state of a new game (player at (2, 2), heading
// 180; robots at their start places with 3 hit points and heading 0).
inline GameState LevelState() {
  GameState state;
  SetupLevel(state);
  Random random;
  SetupRobots(state, random);
  for (RobotState& robot : state.robots) robot.heading = 0.0f;
  return state;
}

// Puts robot `index` at (x, z) with `heading` and 3 hit points.
inline void PlaceRobot(GameState& state, int index, float x, float z, float heading) {
  state.robots[index] = RobotState{x, z, heading, kRobotStartHp};
}

// A generator whose next values satisfy `wanted` (tried on a copy).
inline Random RandomWhere(const std::function<bool(Random&)>& wanted) {
  for (uint32_t seed = 0;; ++seed) {
    Random random;
    SeedRandom(random, seed);
    Random probe = random;
    if (wanted(probe)) return random;
  }
}

// How many values were drawn to get from `before` to `after` (at most 16).
inline int DrawsBetween(Random before, const Random& after) {
  for (int draws = 0; draws <= 16; ++draws) {
    if (before.state == after.state) return draws;
    NextRandom(before);
  }
  return -1;
}

}  // namespace vorbexia::testing
