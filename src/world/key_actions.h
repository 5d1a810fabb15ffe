// What the held keys do once a frame has been shown.
#pragma once

#include "world/game_state.h"

namespace vorbexia {

// Each key is tested on its own, in this fixed order: Up walks forward, Down
// backward, Right and Left turn, Space fires. Space acts once per key-down
// event, so its entry is cleared after the shot.
void ApplyHeldKeys(GameState& state);

}  // namespace vorbexia
