#include "world/robots.h"

#include "world/collision.h"
#include "world/heading.h"

namespace vorbexia {
namespace {

// Always draws two values: the direction (odd turns left, even turns right),
// then the amount in whole degrees. A zero amount is a turn that leaves the
// heading as it was. The heading is never wrapped.
void TurnAtRandom(RobotState& robot, Random& random) {
  const bool turns_left = NextRandom(random) % 2 != 0;
  const float amount = static_cast<float>(NextRandom(random) % kTurnAmounts);
  robot.heading = turns_left ? robot.heading + amount : robot.heading - amount;
}

}  // namespace

bool IsRobotDestroyed(const RobotState& robot) { return robot.hp <= 0; }

void StepRobot(GameState& state, Random& random, int index) {
  RobotState& robot = state.robots[index];
  if (IsRobotDestroyed(robot)) return;

  if (NextRandom(random) % kTurnChance == 0) TurnAtRandom(robot, random);
  const GroundPoint candidate = PointAhead(robot.x, robot.z, robot.heading, kRobotStep);
  if (IsPositionFree(state, candidate.x, candidate.z, RobotMover(index))) {
    robot.x = candidate.x;
    robot.z = candidate.z;
  } else {
    // Blocked: turn now, walk the new way from the next frame on.
    TurnAtRandom(robot, random);
  }
}

bool AllRobotsDestroyed(const GameState& state) {
  for (const RobotState& robot : state.robots) {
    if (!IsRobotDestroyed(robot)) return false;
  }
  return true;
}

}  // namespace vorbexia
