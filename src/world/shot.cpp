#include "world/shot.h"

#include <array>

#include "world/collision.h"
#include "world/heading.h"

namespace vorbexia {
namespace {

// A blocked step that cost no robot a hit point ended at a wall.
void NoteShotEnd(GameState& state, const std::array<int32_t, kRobotCount>& hp_before) {
  WorldEvents& events = state.events;
  for (int i = 0; i < kRobotCount; ++i) {
    if (state.robots[i].hp == hp_before[i]) continue;
    events.robot_hit = true;
    if (state.robots[i].hp == 0) events.robot_fell = true;
    return;
  }
  events.shot_hit_wall = true;
}

}  // namespace

void FireShot(GameState& state) {
  ShotState& shot = state.shot;
  if (shot.active) return;
  const PlayerState& player = state.player;
  const GroundPoint launch =
      PointAhead(player.x, player.z, player.heading, kShotLaunchDistance);
  if (!IsClearOfWalls(state, launch.x, launch.z)) return;
  shot.active = 1;
  state.events.shot_fired = true;
  shot.heading = player.heading;
  shot.x = launch.x;
  shot.z = launch.z;
}

void StepShot(GameState& state) {
  ShotState& shot = state.shot;
  if (!shot.active) return;
  const GroundPoint candidate = PointAhead(shot.x, shot.z, shot.heading, kShotStep);
  std::array<int32_t, kRobotCount> hp_before;
  for (int i = 0; i < kRobotCount; ++i) hp_before[i] = state.robots[i].hp;
  if (IsPositionFree(state, candidate.x, candidate.z, kShotMover)) {
    shot.x = candidate.x;
    shot.z = candidate.z;
  } else {
    shot.active = 0;
    NoteShotEnd(state, hp_before);
  }
}

}  // namespace vorbexia
