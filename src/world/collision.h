// The one collision rule shared by every mover, and the shot's damage.
//
// Everything is tested in the x-z plane. Bounds are formed in double from the
// stored 32-bit coordinates; a candidate is blocked only when it lies strictly
// between two bounds, so a value equal to a bound is outside.
#pragma once

#include "world/game_state.h"

namespace vorbexia {

// How far a wall reaches on each side of its line (world units).
constexpr double kWallMargin = 0.3;
// Half the side of the square that a robot or the player occupies, whatever
// its heading (world units).
constexpr double kBodyHalfSize = 0.6;

// True when no wall's padded band holds (x, z). A wall along z is padded on
// all four sides; a wall along x only across its thickness: along x it ends
// exactly at its end points. Changes nothing.
bool IsClearOfWalls(const GameState& state, float x, float z);

// True when `mover` may stand at (x, z). Walls first, rows 0 to 21; then, for
// robot 0 to 4 in order, that robot's box (skipped for the robot itself,
// destroyed robots included) and, for a robot mover, the player's box. When
// the shot (mover 100) meets a robot's box, that robot loses one hit point:
// only the lowest-index robot, and never when a wall already blocked.
bool IsPositionFree(GameState& state, float x, float z, MoverId mover);

}  // namespace vorbexia
