#include "world/player.h"

#include "world/collision.h"
#include "world/heading.h"

namespace vorbexia {
namespace {

void MoveTo(GameState& state, GroundPoint candidate) {
  if (IsPositionFree(state, candidate.x, candidate.z, kPlayerMover)) {
    state.player.x = candidate.x;
    state.player.z = candidate.z;
    state.events.player_walked = true;
  }
}

}  // namespace

void MoveForward(GameState& state) {
  const PlayerState& player = state.player;
  MoveTo(state, PointAhead(player.x, player.z, player.heading, kPlayerStep));
}

void MoveBackward(GameState& state) {
  const PlayerState& player = state.player;
  MoveTo(state, PointBehind(player.x, player.z, player.heading, kPlayerStep));
}

void TurnRight(GameState& state) { state.player.heading -= kPlayerTurn; }

void TurnLeft(GameState& state) { state.player.heading += kPlayerTurn; }

}  // namespace vorbexia
