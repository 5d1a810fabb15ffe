#include <gtest/gtest.h>

#include "world/world.h"
#include "world_test_support.h"

namespace vorbexia {
namespace {

using testing::DrawsBetween;
using testing::LevelState;
using testing::PlaceRobot;
using testing::RandomWhere;

bool TurnsByChance(Random& random) { return NextRandom(random) % 30 == 0; }

// Robot 1 in the open (x 20, z 17.5) heading 0 (along -z): its step is free.
// Robot 1 at (20, 15.4) heading 0: its step to z 15.3 meets row 4 (z = 15).
class RobotTest : public ::testing::Test {
 protected:
  GameState state = LevelState();
  static constexpr int kIndex = 1;

  const RobotState& robot() const { return state.robots[kIndex]; }

  int StepAndCountDraws(Random random) {
    const Random before = random;
    StepRobot(state, random, kIndex);
    return DrawsBetween(before, random);
  }
};

TEST_F(RobotTest, FreeStepWithoutTurnDrawsOneAndWalksPointOne) {
  PlaceRobot(state, kIndex, 20.0f, 17.5f, 0.0f);
  EXPECT_EQ(StepAndCountDraws(RandomWhere([](Random& r) { return !TurnsByChance(r); })), 1);
  EXPECT_EQ(robot().x, 20.0f);
  EXPECT_EQ(robot().z, 17.3999996f);
  EXPECT_EQ(robot().heading, 0.0f);
}

TEST_F(RobotTest, RandomTurnThenFreeStepDrawsThree) {
  PlaceRobot(state, kIndex, 20.0f, 17.5f, 0.0f);
  // Chance divisible by 30, turn to the left (odd) by 20 degrees.
  Random random = RandomWhere([](Random& r) {
    return TurnsByChance(r) && NextRandom(r) % 2 == 1 && NextRandom(r) % 30 == 20;
  });
  EXPECT_EQ(StepAndCountDraws(random), 3);
  EXPECT_EQ(robot().heading, 20.0f);
  // The step already follows the new heading.
  EXPECT_LT(robot().x, 20.0f);
  EXPECT_LT(robot().z, 17.5f);
}

TEST_F(RobotTest, EvenDirectionTurnsRight) {
  PlaceRobot(state, kIndex, 20.0f, 17.5f, 0.0f);
  Random random = RandomWhere([](Random& r) {
    return TurnsByChance(r) && NextRandom(r) % 2 == 0 && NextRandom(r) % 30 == 7;
  });
  EXPECT_EQ(StepAndCountDraws(random), 3);
  EXPECT_EQ(robot().heading, -7.0f);  // never wrapped to 353
}

TEST_F(RobotTest, BlockedStepWithoutTurnDrawsThreeAndStays) {
  PlaceRobot(state, kIndex, 20.0f, 15.4f, 0.0f);
  Random random = RandomWhere([](Random& r) {
    return !TurnsByChance(r) && NextRandom(r) % 2 == 1 && NextRandom(r) % 30 == 29;
  });
  EXPECT_EQ(StepAndCountDraws(random), 3);
  EXPECT_EQ(robot().x, 20.0f);
  EXPECT_EQ(robot().z, 15.4f);
  EXPECT_EQ(robot().heading, 29.0f);
}

TEST_F(RobotTest, RandomTurnAndBlockedStepDrawFive) {
  PlaceRobot(state, kIndex, 20.0f, 15.4f, 0.0f);
  // A zero turn keeps it facing the wall; then the blocked step turns it.
  Random random = RandomWhere([](Random& r) {
    return TurnsByChance(r) && (NextRandom(r), NextRandom(r) % 30 == 0) &&
           NextRandom(r) % 2 == 1 && NextRandom(r) % 30 == 12;
  });
  EXPECT_EQ(StepAndCountDraws(random), 5);
  EXPECT_EQ(robot().z, 15.4f);
  EXPECT_EQ(robot().heading, 12.0f);
}

TEST_F(RobotTest, HeadingIsNeverWrapped) {
  PlaceRobot(state, kIndex, 20.0f, 17.5f, 350.0f);
  Random random = RandomWhere([](Random& r) {
    return TurnsByChance(r) && NextRandom(r) % 2 == 1 && NextRandom(r) % 30 == 25;
  });
  StepRobot(state, random, kIndex);
  EXPECT_EQ(robot().heading, 375.0f);
}

TEST_F(RobotTest, DestroyedRobotDrawsNothingAndStands) {
  PlaceRobot(state, kIndex, 20.0f, 17.5f, 0.0f);
  state.robots[kIndex].hp = 0;
  EXPECT_EQ(StepAndCountDraws(Random{}), 0);
  EXPECT_EQ(robot().z, 17.5f);
  state.robots[kIndex].hp = -2;
  EXPECT_EQ(StepAndCountDraws(Random{}), 0);
}

TEST_F(RobotTest, NeverPushesThePlayer) {
  PlaceRobot(state, kIndex, 20.0f, 17.5f, 0.0f);
  state.player = PlayerState{20.0f, 16.85f, 0.0f};  // step to z 17.4 is within 0.6
  Random random = RandomWhere([](Random& r) { return !TurnsByChance(r); });
  EXPECT_EQ(StepAndCountDraws(random), 3);
  EXPECT_EQ(robot().z, 17.5f);
  EXPECT_EQ(state.player.z, 16.85f);
}

TEST_F(RobotTest, DestroyedRobotBlocksALiveOne) {
  PlaceRobot(state, kIndex, 20.0f, 17.5f, 0.0f);
  PlaceRobot(state, 3, 20.0f, 16.85f, 0.0f);
  state.robots[3].hp = 0;
  Random random = RandomWhere([](Random& r) { return !TurnsByChance(r); });
  EXPECT_EQ(StepAndCountDraws(random), 3);
  EXPECT_EQ(robot().z, 17.5f);
}

TEST(AllRobotsDestroyed, TrueOnlyWhenNoRobotHasHitPoints) {
  GameState state = LevelState();
  EXPECT_FALSE(AllRobotsDestroyed(state));
  const int32_t fallen[kRobotCount] = {0, -1, 0, 0, -2};
  for (int i = 0; i < kRobotCount; ++i) state.robots[i].hp = fallen[i];
  EXPECT_TRUE(AllRobotsDestroyed(state));
  for (int i = 0; i < kRobotCount; ++i) {
    GameState one_left = state;
    one_left.robots[i].hp = 1;
    EXPECT_FALSE(AllRobotsDestroyed(one_left)) << "robot " << i;
  }
}

}  // namespace
}  // namespace vorbexia
