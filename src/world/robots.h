// The five robots: they wander at random, never attack, and fall when the
// shot has taken their last hit point.
#pragma once

#include "world/game_state.h"
#include "world/random.h"

namespace vorbexia {

constexpr float kRobotStep = 0.1f;    // world units per frame
constexpr int32_t kTurnChance = 30;   // a live robot turns on 1 frame in 30
constexpr int32_t kTurnAmounts = 30;  // a turn is 0 to 29 whole degrees

// Hit points at or below 0: the robot lies where it fell and never moves.
bool IsRobotDestroyed(const RobotState& robot);

// Advances robot `index` (0 to 4) by one frame. A destroyed robot does
// nothing and draws no generator value. A live robot draws a chance value and
// turns when it is divisible by 30; then it steps 0.1 along its heading, or,
// when the step is blocked, stays and turns instead. Each turn draws two
// values (direction, then amount), so a live robot draws 1, 3 or 5 values.
void StepRobot(GameState& state, Random& random, int index);

// The victory test: true when no robot has hit points left.
bool AllRobotsDestroyed(const GameState& state);

}  // namespace vorbexia
