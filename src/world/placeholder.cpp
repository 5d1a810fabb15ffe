// Placeholder until the world rules land.
#include "world/world.h"

namespace vorbexia {

void SetupLevel(GameState&) {}
void SetupRobots(GameState& state, Random& random) {
  for (RobotState& robot : state.robots) {
    robot.hp = 3;
    robot.heading = static_cast<float>(NextRandom(random) % 360);
  }
}
bool IsPositionFree(GameState&, float, float, MoverId) { return true; }
void MoveForward(GameState&) {}
void MoveBackward(GameState&) {}
void TurnRight(GameState& state) { state.player.heading -= 3.0f; }
void TurnLeft(GameState& state) { state.player.heading += 3.0f; }
void FireShot(GameState&) {}
void StepShot(GameState&) {}
void StepRobot(GameState&, Random&, int) {}
void AdvanceWorld(GameState&, Random&) {}
bool AllRobotsDestroyed(const GameState& state) {
  for (const RobotState& robot : state.robots) {
    if (robot.hp > 0) return false;
  }
  return true;
}

}  // namespace vorbexia
