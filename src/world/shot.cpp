#include "world/shot.h"

#include "world/collision.h"
#include "world/heading.h"

namespace vorbexia {

void FireShot(GameState& state) {
  ShotState& shot = state.shot;
  if (shot.active) return;
  const PlayerState& player = state.player;
  const GroundPoint launch =
      PointAhead(player.x, player.z, player.heading, kShotLaunchDistance);
  if (!IsClearOfWalls(state, launch.x, launch.z)) return;
  shot.active = 1;
  shot.heading = player.heading;
  shot.x = launch.x;
  shot.z = launch.z;
}

void StepShot(GameState& state) {
  ShotState& shot = state.shot;
  if (!shot.active) return;
  const GroundPoint candidate = PointAhead(shot.x, shot.z, shot.heading, kShotStep);
  if (IsPositionFree(state, candidate.x, candidate.z, kShotMover)) {
    shot.x = candidate.x;
    shot.z = candidate.z;
  } else {
    shot.active = 0;
  }
}

}  // namespace vorbexia
