#include "world/key_actions.h"

#include "world/player.h"
#include "world/shot.h"

namespace vorbexia {

void ApplyHeldKeys(GameState& state) {
  KeyTable& keys = state.keys;
  if (keys[kKeyUp]) MoveForward(state);
  if (keys[kKeyDown]) MoveBackward(state);
  if (keys[kKeyRight]) TurnRight(state);
  if (keys[kKeyLeft]) TurnLeft(state);
  if (keys[kKeySpace]) {
    FireShot(state);
    keys[kKeySpace] = 0;
  }
}

}  // namespace vorbexia
