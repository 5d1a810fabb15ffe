#include "world/world.h"

namespace vorbexia {

// The shot moves first, so it meets the robots where they stood at the end of
// the last frame, and a robot it destroys already lies still in this frame.
void AdvanceWorld(GameState& state, Random& random) {
  StepShot(state);
  for (int i = 0; i < kRobotCount; ++i) StepRobot(state, random, i);
}

}  // namespace vorbexia
