// The events a frame reports for the game's sounds.
#include <gtest/gtest.h>

#include "world/world.h"
#include "world_test_support.h"

namespace vorbexia {
namespace {

using testing::LevelState;
using testing::PlaceRobot;

// A shot in flight at (2, 2.7) heading 180 (along +z), one step before the
// box of robot 0 at (2, 3.7), whose hit points are `hp`.
GameState ShotBeforeRobot(int32_t hp) {
  GameState state = LevelState();
  PlaceRobot(state, 0, 2.0f, 3.7f, 0.0f);
  state.robots[0].hp = hp;
  state.shot = ShotState{1, 2.0f, 2.7f, 180.0f};
  return state;
}

TEST(WorldEvents, ARobotHitIsNoWallHitAndTheLastHitPointIsAFall) {
  for (const int32_t hp : {3, 1, 0}) {
    GameState state = ShotBeforeRobot(hp);
    StepShot(state);
    EXPECT_TRUE(state.events.robot_hit) << hp;
    EXPECT_EQ(state.events.robot_fell, hp == 1) << hp;  // a wreck falls no more
    EXPECT_FALSE(state.events.shot_hit_wall) << hp;
  }
}

TEST(WorldEvents, AShotEndingAtAWallIsAWallHit) {
  GameState state = LevelState();
  state.shot = ShotState{1, 0.45f, 10.0f, 90.0f};  // heading for the wall x = 0
  StepShot(state);
  EXPECT_TRUE(state.events.shot_hit_wall);
  EXPECT_FALSE(state.events.robot_hit);
  StepShot(state);  // no shot: nothing more happens
  EXPECT_EQ(state.shot.active, 0);
}

TEST(WorldEvents, FiringAndWalkingAreReportedOnlyWhenTheyHappen) {
  GameState state = LevelState();
  FireShot(state);
  EXPECT_TRUE(state.events.shot_fired);
  state.player = PlayerState{0.45f, 10.0f, 90.0f};  // nose at the wall x = 0
  MoveForward(state);
  TurnLeft(state);
  EXPECT_FALSE(state.events.player_walked);
  MoveBackward(state);
  EXPECT_TRUE(state.events.player_walked);
}

}  // namespace
}  // namespace vorbexia
