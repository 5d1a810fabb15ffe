#include <gtest/gtest.h>

#include "world/world.h"
#include "world_test_support.h"

namespace vorbexia {
namespace {

using testing::LevelState;
using testing::PlaceRobot;

TEST(FireShot, LaunchesPointTwoAheadWithThePlayersHeading) {
  GameState state = LevelState();
  FireShot(state);
  EXPECT_EQ(state.shot.active, 1);
  EXPECT_EQ(state.shot.x, 2.0f);
  EXPECT_EQ(state.shot.z, 2.20000005f);
  EXPECT_EQ(state.shot.heading, 180.0f);
  StepShot(state);
  EXPECT_EQ(state.shot.active, 1);
  EXPECT_EQ(state.shot.x, 2.0f);
  EXPECT_EQ(state.shot.z, 2.70000005f);
}

TEST(FireShot, DoesNothingWhileAShotIsInFlight) {
  GameState state = LevelState();
  FireShot(state);
  const ShotState before = state.shot;
  state.player = PlayerState{8.0f, 10.0f, 33.0f};
  FireShot(state);
  EXPECT_EQ(state.shot.x, before.x);
  EXPECT_EQ(state.shot.z, before.z);
  EXPECT_EQ(state.shot.heading, before.heading);
}

TEST(FireShot, RobotsAreNotTestedAtLaunch) {
  GameState state = LevelState();
  PlaceRobot(state, 1, 2.0f, 2.9f, 0.0f);  // the launch point lies in its box
  FireShot(state);
  EXPECT_EQ(state.shot.active, 1);
  EXPECT_EQ(state.robots[1].hp, 3);
  StepShot(state);  // the first step still meets the box
  EXPECT_EQ(state.shot.active, 0);
  EXPECT_EQ(state.robots[1].hp, 2);
}

// Standing 0.31 from the wall at x = 0 and facing it, the launch point
// (x 0.11) lies inside the wall's band, and a first step from there (x -0.39)
// would land beyond the band, outside the maze, where nothing stops a shot.
TEST(FireShot, NoShotStartsFromInsideAWallsBand) {
  GameState state = LevelState();
  state.player = PlayerState{0.31f, 10.0f, 90.0f};
  ASSERT_TRUE(IsPositionFree(state, 0.31f, 10.0f, kPlayerMover));
  ASSERT_TRUE(IsPositionFree(state, -0.389999986f, 10.0f, kShotMover));
  state.shot = ShotState{0, 7.0f, 8.0f, 9.0f};  // left by an earlier shot
  FireShot(state);
  EXPECT_EQ(state.shot.active, 0);
  EXPECT_EQ(state.shot.x, 7.0f);
  EXPECT_EQ(state.shot.z, 8.0f);
  EXPECT_EQ(state.shot.heading, 9.0f);
}

TEST(FireShot, PlayerNearTheWallGetsNoShot) {
  GameState state = LevelState();
  state.player = PlayerState{0.45f, 10.0f, 90.0f};  // launch point x 0.25
  FireShot(state);
  EXPECT_EQ(state.shot.active, 0);
  StepShot(state);
  EXPECT_EQ(state.shot.active, 0);
}

TEST(FireShot, ClearLaunchPointJustOutsideTheBandFires) {
  GameState state = LevelState();
  state.player = PlayerState{0.5f, 10.0f, 90.0f};  // launch point x 0.3f > 0.3
  FireShot(state);
  EXPECT_EQ(state.shot.active, 1);
  StepShot(state);  // x -0.2 is inside the band: the shot ends at the wall
  EXPECT_EQ(state.shot.active, 0);
}

TEST(StepShot, DoesNothingWhileInactive) {
  GameState state = LevelState();
  state.shot = ShotState{0, 4.5f, 4.5f, 0.0f};  // would hit robot 0 if tested
  StepShot(state);
  EXPECT_EQ(state.shot.x, 4.5f);
  EXPECT_EQ(state.robots[0].hp, 3);
}

TEST(StepShot, KeepsItsHeadingWhenThePlayerTurns) {
  GameState state = LevelState();
  FireShot(state);
  TurnLeft(state);
  StepShot(state);
  EXPECT_EQ(state.shot.heading, 180.0f);
  EXPECT_EQ(state.shot.x, 2.0f);
}

TEST(StepShot, AlwaysEndsAtAWallItFliesStraightAt) {
  // From every launch distance to the wall, the 0.5 steps meet the 0.6 band.
  for (int i = 0; i < 50; ++i) {
    GameState state = LevelState();
    state.player = PlayerState{0.5f + 0.01f * static_cast<float>(i), 10.0f, 90.0f};
    FireShot(state);
    ASSERT_EQ(state.shot.active, 1);
    for (int frame = 0; frame < 10 && state.shot.active; ++frame) StepShot(state);
    EXPECT_EQ(state.shot.active, 0);
    EXPECT_TRUE(IsClearOfWalls(state, state.shot.x, state.shot.z))
        << "launched from " << state.player.x;
  }
}

TEST(StepShot, ThreeHitsDestroyARobotAndAFourthGoesBelowZero) {
  GameState state = LevelState();
  PlaceRobot(state, 2, 2.0f, 5.0f, 0.0f);
  for (int expected_hp : {2, 1, 0, -1}) {
    FireShot(state);
    while (state.shot.active) StepShot(state);
    EXPECT_EQ(state.robots[2].hp, expected_hp);
  }
  EXPECT_EQ(state.shot.z, 4.19999981f);  // its last free step, before z 4.4
}

TEST(StepShot, PassesThroughThePlayer) {
  GameState state = LevelState();
  state.shot = ShotState{1, 2.0f, 1.0f, 180.0f};  // flying along +z through (2, 2)
  StepShot(state);
  StepShot(state);
  EXPECT_EQ(state.shot.active, 1);
  EXPECT_EQ(state.shot.z, 2.0f);
}

}  // namespace
}  // namespace vorbexia
