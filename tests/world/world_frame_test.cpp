#include <gtest/gtest.h>

#include "world/world.h"
#include "world_test_support.h"

namespace vorbexia {
namespace {

using testing::DrawsBetween;
using testing::LevelState;
using testing::PlaceRobot;

// Robot 0 walks along -x (heading 90); the shot's next candidate lies 0.55
// to its +x side: inside its box now, outside once it has stepped.
class WorldFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PlaceRobot(state, 0, 6.0f, 10.0f, 90.0f);
    state.shot = ShotState{1, 6.55f, 10.5f, 0.0f};  // next candidate (6.55, 10)
    SeedRandom(random, 1);                          // 41: no random turn
  }

  GameState state = LevelState();
  Random random;
};

TEST_F(WorldFrameTest, ShotMeetsRobotsWhereTheyStoodBeforeTheyStep) {
  AdvanceWorld(state, random);
  EXPECT_EQ(state.shot.active, 0);
  EXPECT_EQ(state.robots[0].hp, 2);
}

TEST_F(WorldFrameTest, RobotDestroyedByTheShotStandsStillInTheSameFrame) {
  state.robots[0].hp = 1;
  for (int i = 1; i < kRobotCount; ++i) state.robots[i].hp = 0;
  const Random before = random;
  AdvanceWorld(state, random);
  EXPECT_EQ(state.robots[0].hp, 0);
  EXPECT_EQ(state.robots[0].x, 6.0f);
  EXPECT_EQ(DrawsBetween(before, random), 0);
  EXPECT_TRUE(AllRobotsDestroyed(state));
}

TEST_F(WorldFrameTest, RobotsStepInIndexOrder) {
  // Robot 3's step to x 19.35 is free of robot 2 at x 20 but not of robot 2
  // at x 19.9: robot 2 steps first, so robot 3 is blocked.
  PlaceRobot(state, 2, 20.0f, 17.5f, 90.0f);    // walks along -x
  PlaceRobot(state, 3, 19.25f, 17.5f, 270.0f);  // walks along +x
  state.shot.active = 0;
  AdvanceWorld(state, random);
  EXPECT_EQ(state.robots[2].x, 19.8999996f);
  EXPECT_EQ(state.robots[3].x, 19.25f);
}

TEST_F(WorldFrameTest, DestroyedRobotLeavesTheNextRobotTheFollowingValue) {
  state.shot.active = 0;
  state.robots[1].hp = 0;
  Random alone = random;
  StepRobot(state, alone, 0);
  const Random after_robot0 = alone;
  GameState copy = state;
  AdvanceWorld(state, random);
  // Robot 2 drew the value right after robot 0's last one.
  Random expected = after_robot0;
  StepRobot(copy, expected, 2);
  EXPECT_EQ(state.robots[2].x, copy.robots[2].x);
  EXPECT_EQ(state.robots[2].z, copy.robots[2].z);
  EXPECT_EQ(state.robots[2].heading, copy.robots[2].heading);
}

}  // namespace
}  // namespace vorbexia
