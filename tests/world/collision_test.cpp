#include <gtest/gtest.h>

#include <cmath>

#include "world/world.h"
#include "world_test_support.h"

namespace vorbexia {
namespace {

using testing::LevelState;
using testing::PlaceRobot;

class CollisionTest : public ::testing::Test {
 protected:
  GameState state = LevelState();  // robot 0 at (4, 4), player at (2, 2)

  bool Free(float x, float z, MoverId mover = kPlayerMover) {
    return IsPositionFree(state, x, z, mover);
  }
};

TEST_F(CollisionTest, AlongXWallIsPaddedOnBothSides) {
  EXPECT_FALSE(Free(25.0f, 0.25f));
  EXPECT_TRUE(Free(25.0f, 0.3125f));
  EXPECT_FALSE(Free(25.0f, -0.25f));
}

TEST_F(CollisionTest, BoundsAreFormedInDoubleNotSingle) {
  // The float nearest 0.3 lies just above the double 0.3: free.
  ASSERT_GT(static_cast<double>(0.3f), 0.3);
  EXPECT_TRUE(Free(25.0f, 0.3f));
  // The float nearest 20.3 lies just below the double 20.3, the end bound of
  // row 5 (x = 50, z 0 to 20); a bound rounded to float would equal it.
  ASSERT_LT(static_cast<double>(20.3f), 20.3);
  ASSERT_EQ(20.0f + 0.3f, 20.3f);
  EXPECT_FALSE(Free(50.0f, 20.3f));
}

TEST_F(CollisionTest, ABoundItselfIsOutside) {
  // Row 6 (z = 35) ends exactly at x = 50, a bound that a float can equal.
  EXPECT_TRUE(Free(50.0f, 35.0f));
  EXPECT_FALSE(Free(std::nextafter(50.0f, 0.0f), 35.0f));
}

TEST_F(CollisionTest, AlongXWallsHaveNoEndMarginAlongZWallsDo) {
  EXPECT_TRUE(Free(50.125f, 35.0f));  // 0.125 past row 6's east end
  EXPECT_FALSE(Free(10.0f, 35.25f));  // 0.25 past row 9's north end
}

TEST_F(CollisionTest, AlongXRowReadsOnlyZ1) {
  state.walls[0].z2 = 7.0f;  // z2 of an along-x row is never read
  EXPECT_FALSE(Free(25.0f, 0.25f));
  EXPECT_TRUE(Free(25.0f, 7.0f));
}

TEST_F(CollisionTest, PlayerIsBlockedByRobotBoxes) {
  EXPECT_FALSE(Free(4.5f, 4.5f));
  EXPECT_TRUE(Free(4.625f, 4.0f));  // beyond 4.6
  EXPECT_TRUE(Free(2.5f, 2.5f));    // its own box does not block it
}

TEST_F(CollisionTest, RobotSkipsItsOwnBoxButMeetsThePlayer) {
  EXPECT_TRUE(Free(4.0f, 4.0f, RobotMover(0)));
  EXPECT_FALSE(Free(4.0f, 4.0f, RobotMover(1)));
  EXPECT_FALSE(Free(2.5f, 2.5f, RobotMover(0)));
  EXPECT_FALSE(Free(2.5f, 2.5f, RobotMover(4)));
}

TEST_F(CollisionTest, ShotPassesThePlayersBox) {
  EXPECT_TRUE(Free(2.5f, 2.5f, kShotMover));
}

TEST_F(CollisionTest, UnknownMoverIsTreatedLikeThePlayer) {
  EXPECT_TRUE(Free(2.5f, 2.5f, 6));
  EXPECT_FALSE(Free(4.0f, 4.0f, 6));
  EXPECT_EQ(state.robots[0].hp, 3);
}

TEST_F(CollisionTest, ShotTakesOneHitPointPerCallBelowZero) {
  for (int expected_hp : {2, 1, 0, -1}) {
    EXPECT_FALSE(Free(4.5f, 4.5f, kShotMover));
    EXPECT_EQ(state.robots[0].hp, expected_hp);
  }
}

TEST_F(CollisionTest, OnlyOtherMoversNeverDamage) {
  for (MoverId mover : {kPlayerMover, RobotMover(1), RobotMover(4)}) {
    EXPECT_FALSE(Free(4.5f, 4.5f, mover));
  }
  EXPECT_EQ(state.robots[0].hp, 3);
}

TEST_F(CollisionTest, OnlyTheLowestIndexRobotIsHit) {
  PlaceRobot(state, 1, 20.0f, 18.0f, 0.0f);
  PlaceRobot(state, 3, 20.5f, 18.0f, 0.0f);
  EXPECT_FALSE(Free(20.25f, 18.0f, kShotMover));
  EXPECT_EQ(state.robots[1].hp, 2);
  EXPECT_EQ(state.robots[3].hp, 3);
}

TEST_F(CollisionTest, WallsComeFirstAndSpareTheRobot) {
  PlaceRobot(state, 2, 25.0f, 0.5f, 0.0f);  // its box overlaps row 0's band
  EXPECT_FALSE(Free(25.0f, 0.25f, kShotMover));
  EXPECT_EQ(state.robots[2].hp, 3);
}

TEST_F(CollisionTest, DestroyedRobotsStillBlockEveryone) {
  state.robots[0].hp = 0;
  EXPECT_FALSE(Free(4.5f, 4.5f, kPlayerMover));
  EXPECT_FALSE(Free(4.5f, 4.5f, RobotMover(2)));
  EXPECT_FALSE(Free(4.5f, 4.5f, kShotMover));
  EXPECT_EQ(state.robots[0].hp, -1);
}

TEST_F(CollisionTest, IsClearOfWallsIgnoresBodies) {
  EXPECT_TRUE(IsClearOfWalls(state, 4.0f, 4.0f));
  EXPECT_FALSE(IsClearOfWalls(state, 0.1f, 10.0f));
  EXPECT_EQ(state.robots[0].hp, 3);
}

}  // namespace
}  // namespace vorbexia
