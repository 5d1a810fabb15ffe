#include "world/frame.h"

#include "world/player.h"
#include "world/robots.h"
#include "world/shot.h"

namespace vorbexia {

void ApplyFrameKeys(GameState& state, const FrameKeys& keys) {
  if (keys.forward) MoveForward(state);
  if (keys.backward) MoveBackward(state);
  if (keys.right) TurnRight(state);
  if (keys.left) TurnLeft(state);
  if (keys.fire) FireShot(state);
}

// The shot moves first, so it meets the robots where they stood at the end of
// the last frame, and a robot it destroys already lies still in this frame.
void AdvanceWorld(GameState& state, Random& random) {
  StepShot(state);
  for (int i = 0; i < kRobotCount; ++i) StepRobot(state, random, i);
}

FrameEnd RunFrame(GameState& state, Random& random, const FrameKeys& keys,
                  FrameView& view, bool quit) {
  state.events = WorldEvents{};
  if (!keys.inactive) {
    AdvanceWorld(state, random);
    view.Draw(state);
  }
  if (quit) return FrameEnd::kEscape;
  const bool victory = AllRobotsDestroyed(state);
  view.Show();
  // The winning frame is shown and its keys act before the game ends.
  ApplyFrameKeys(state, keys);
  return victory ? FrameEnd::kVictory : FrameEnd::kGoOn;
}

}  // namespace vorbexia
