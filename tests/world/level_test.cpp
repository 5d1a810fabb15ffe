#include <gtest/gtest.h>

#include "world/world.h"
#include "world_test_support.h"

namespace vorbexia {
namespace {

TEST(SetupLevel, WritesFloorAndTheWallTableInOrder) {
  GameState state;
  SetupLevel(state);
  EXPECT_EQ(state.floor.x_min, 0.0f);
  EXPECT_EQ(state.floor.x_max, 60.0f);
  EXPECT_EQ(state.floor.z_min, 0.0f);
  EXPECT_EQ(state.floor.z_max, 35.0f);
  ASSERT_EQ(state.walls.size(), 22u);
  const WallSegment& first = state.walls[0];
  EXPECT_EQ(first.x1, 0.0f);
  EXPECT_EQ(first.x2, 50.0f);
  EXPECT_EQ(first.z1, 0.0f);
  EXPECT_EQ(first.z2, 0.0f);
  const WallSegment& last = state.walls[21];
  EXPECT_EQ(last.x1, 10.0f);
  EXPECT_EQ(last.x2, 30.0f);
  EXPECT_EQ(last.z1, 5.0f);
  EXPECT_EQ(last.z2, 5.0f);
}

TEST(SetupRobots, HeadingsAreTheFirstFiveValuesModulo360InRobotOrder) {
  GameState state;
  Random random;
  SeedRandom(random, 1);  // yields 41, 18467, 6334, 26500, 19169, 15724, ...
  SetupRobots(state, random);
  EXPECT_EQ(state.robots[0].heading, 41.0f);
  EXPECT_EQ(state.robots[1].heading, 107.0f);
  EXPECT_EQ(state.robots[2].heading, 214.0f);
  EXPECT_EQ(state.robots[3].heading, 220.0f);
  EXPECT_EQ(state.robots[4].heading, 89.0f);
  // Exactly five values drawn: the next is the sixth.
  EXPECT_EQ(NextRandom(random), 15724);
}

TEST(SetupRobots, GivesThreeHitPointsAndTheStartPlaces) {
  GameState state;
  Random random;
  SetupRobots(state, random);
  const float expected[kRobotCount][2] = {{4, 4}, {15, 17}, {45, 19}, {25, 18}, {45, 5}};
  for (int i = 0; i < kRobotCount; ++i) {
    EXPECT_EQ(state.robots[i].hp, 3) << "robot " << i;
    EXPECT_EQ(state.robots[i].x, expected[i][0]) << "robot " << i;
    EXPECT_EQ(state.robots[i].z, expected[i][1]) << "robot " << i;
  }
}

TEST(StartState, PlayerStartsAtTwoTwoLookingAlongPlusZ) {
  const GameState state;
  EXPECT_EQ(state.player.x, 2.0f);
  EXPECT_EQ(state.player.z, 2.0f);
  EXPECT_EQ(state.player.heading, 180.0f);
  EXPECT_EQ(state.shot.active, 0);
}

TEST(StartState, EveryStartPlaceIsFreeAndApartFromTheOthers) {
  GameState state = testing::LevelState();
  EXPECT_TRUE(IsPositionFree(state, state.player.x, state.player.z, kPlayerMover));
  for (int i = 0; i < kRobotCount; ++i) {
    const RobotState& robot = state.robots[i];
    EXPECT_TRUE(IsPositionFree(state, robot.x, robot.z, RobotMover(i))) << "robot " << i;
  }
  // Nothing was damaged by asking.
  for (const RobotState& robot : state.robots) EXPECT_EQ(robot.hp, 3);
}

}  // namespace
}  // namespace vorbexia
