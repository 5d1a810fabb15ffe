// The plasma shot: one at a time, fired just ahead of the player, flying a
// fixed step per frame along the heading it was fired with until the first
// blocked step.
#pragma once

#include "world/game_state.h"

namespace vorbexia {

constexpr float kShotLaunchDistance = 0.2f;  // world units ahead of the player
constexpr float kShotStep = 0.5f;            // world units per frame

// Launches a shot from 0.2 ahead of the player with the player's heading.
// Does nothing while a shot is in flight. The launch point is tested against
// the walls only (robots are not): when a wall's padded band holds it, no shot
// starts and the shot keeps its old values. Otherwise a player standing just
// outside a wall's band would fire through the wall, and the shot would fly
// on outside the maze for ever, so that no shot could be fired again.
void FireShot(GameState& state);

// Moves a shot in flight 0.5 along its heading when the collision test allows
// it; a blocked step ends the shot where it stood (and has cost the robot
// whose box blocked it one hit point). Does nothing while no shot is active.
// The end is noted in state.events: a wall hit, or a robot hit (and a fall
// when it took that robot's last hit point).
void StepShot(GameState& state);

}  // namespace vorbexia
