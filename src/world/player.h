// Player motion: one call per frame while the key is held. The player has no
// hit points; only walls and robots stop it.
#pragma once

#include "world/game_state.h"

namespace vorbexia {

constexpr float kPlayerStep = 0.15f;  // world units per frame
constexpr float kPlayerTurn = 3.0f;   // degrees per frame; 120 frames turn a full circle

// One step along (forward) or against (backward) the heading, taken whole
// when the collision test allows it and not at all otherwise: no sliding
// along walls, no shortened step. A step taken is noted in state.events.
void MoveForward(GameState& state);
void MoveBackward(GameState& state);

// The heading falls (right) or grows (left) by 3 degrees, never wrapped.
void TurnRight(GameState& state);
void TurnLeft(GameState& state);

}  // namespace vorbexia
