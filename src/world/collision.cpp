#include "world/collision.h"

#include <algorithm>

namespace vorbexia {
namespace {

bool IsStrictlyBetween(double low, double value, double high) {
  return low < value && value < high;
}

bool IsInsideWallBand(const WallSegment& wall, double x, double z) {
  if (wall.x1 == wall.x2) {
    // Along z: padded by the margin on all four sides, past its ends too.
    const double z_low = std::min(wall.z1, wall.z2);
    const double z_high = std::max(wall.z1, wall.z2);
    return IsStrictlyBetween(wall.x1 - kWallMargin, x, wall.x1 + kWallMargin) &&
           IsStrictlyBetween(z_low - kWallMargin, z, z_high + kWallMargin);
  }
  // Along x at z1 (z2 is never read): padded across its thickness only.
  const double x_low = std::min(wall.x1, wall.x2);
  const double x_high = std::max(wall.x1, wall.x2);
  return IsStrictlyBetween(wall.z1 - kWallMargin, z, wall.z1 + kWallMargin) &&
         IsStrictlyBetween(x_low, x, x_high);
}

// The open square of half-size kBodyHalfSize around a body at (body_x, body_z).
bool IsInsideBody(float body_x, float body_z, double x, double z) {
  return IsStrictlyBetween(body_x - kBodyHalfSize, x, body_x + kBodyHalfSize) &&
         IsStrictlyBetween(body_z - kBodyHalfSize, z, body_z + kBodyHalfSize);
}

bool IsRobotMover(MoverId mover) {
  return mover >= RobotMover(0) && mover <= RobotMover(kRobotCount - 1);
}

}  // namespace

bool IsClearOfWalls(const GameState& state, float x, float z) {
  for (const WallSegment& wall : state.walls) {
    if (IsInsideWallBand(wall, x, z)) return false;
  }
  return true;
}

bool IsPositionFree(GameState& state, float x, float z, MoverId mover) {
  if (!IsClearOfWalls(state, x, z)) return false;
  const PlayerState& player = state.player;
  for (int i = 0; i < kRobotCount; ++i) {
    RobotState& robot = state.robots[i];
    if (mover != RobotMover(i) && IsInsideBody(robot.x, robot.z, x, z)) {
      // The shot's only way to do damage; hit points may fall below 0.
      if (mover == kShotMover) --robot.hp;
      return false;
    }
    if (IsRobotMover(mover) && IsInsideBody(player.x, player.z, x, z)) {
      return false;
    }
  }
  return true;
}

}  // namespace vorbexia
