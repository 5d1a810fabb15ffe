#include "world/frame.h"

#include "world/key_actions.h"
#include "world/robots.h"
#include "world/shot.h"

namespace vorbexia {

void SetFrameKeys(GameState& state, const FrameKeys& keys) {
  state.keys[kKeyUp] = keys.forward;
  state.keys[kKeyDown] = keys.backward;
  state.keys[kKeyRight] = keys.right;
  state.keys[kKeyLeft] = keys.left;
  state.keys[kKeySpace] = keys.fire;
}

FrameKeys KeysToApply(const GameState& state, bool stepped) {
  FrameKeys keys;
  keys.forward = state.keys[kKeyUp] != 0;
  keys.backward = state.keys[kKeyDown] != 0;
  keys.right = state.keys[kKeyRight] != 0;
  keys.left = state.keys[kKeyLeft] != 0;
  keys.fire = state.keys[kKeySpace] != 0;
  keys.inactive = !stepped;
  return keys;
}

void ApplyFrameKeys(GameState& state, const FrameKeys& keys) {
  SetFrameKeys(state, keys);
  ApplyHeldKeys(state);
}

// The shot moves first, so it meets the robots where they stood at the end of
// the last frame, and a robot it destroys already lies still in this frame.
void AdvanceWorld(GameState& state, Random& random) {
  StepShot(state);
  for (int i = 0; i < kRobotCount; ++i) StepRobot(state, random, i);
}

FrameEnd RunFrame(GameState& state, Random& random, const FrameKeys& keys,
                  FrameView& view) {
  state.events = WorldEvents{};
  if (!keys.inactive) {
    AdvanceWorld(state, random);
    view.Draw(state);
  }
  if (state.keys[kKeyEscape]) return FrameEnd::kEscape;
  const bool victory = AllRobotsDestroyed(state);
  view.Show();
  // The winning frame is shown and its keys act before the game ends.
  ApplyFrameKeys(state, keys);
  return victory ? FrameEnd::kVictory : FrameEnd::kGoOn;
}

}  // namespace vorbexia
