#include <gtest/gtest.h>

#include "world/world.h"
#include "world_test_support.h"

namespace vorbexia {
namespace {

using testing::LevelState;

TEST(PlayerMotion, ForwardFromTheStartMovesAlongPlusZExactly) {
  GameState state = LevelState();
  MoveForward(state);
  EXPECT_EQ(state.player.x, 2.0f);
  EXPECT_EQ(state.player.z, 2.1500001f);
  MoveBackward(state);
  EXPECT_EQ(state.player.x, 2.0f);
  EXPECT_EQ(state.player.z, 2.0f);
}

TEST(PlayerMotion, ThirtyRightTurnsFaceMinusX) {
  GameState state = LevelState();
  for (int i = 0; i < 30; ++i) TurnRight(state);
  EXPECT_EQ(state.player.heading, 90.0f);
  MoveForward(state);
  EXPECT_EQ(state.player.x, 1.85f);
  EXPECT_EQ(state.player.z, 2.0f);
}

TEST(PlayerMotion, BlockedStepIsNotTakenAtAll) {
  GameState state = LevelState();
  state.player = PlayerState{0.5f, 2.0f, 90.0f};
  MoveForward(state);
  EXPECT_EQ(state.player.x, 0.35f);
  MoveForward(state);  // x 0.2 would lie within 0.3 of the wall at x = 0
  EXPECT_EQ(state.player.x, 0.35f);
  EXPECT_EQ(state.player.z, 2.0f);
}

TEST(PlayerMotion, BlockedDiagonalStepDoesNotSlide) {
  GameState state = LevelState();
  state.player = PlayerState{0.35f, 5.0f, 45.0f};  // x blocked, z would be free
  MoveForward(state);
  EXPECT_EQ(state.player.x, 0.35f);
  EXPECT_EQ(state.player.z, 5.0f);
}

TEST(PlayerMotion, HeadingIsNeverWrapped) {
  GameState state = LevelState();
  for (int i = 0; i < 120; ++i) TurnLeft(state);
  EXPECT_EQ(state.player.heading, 540.0f);
  for (int i = 0; i < 240; ++i) TurnRight(state);
  EXPECT_EQ(state.player.heading, -180.0f);
}

TEST(PlayerMotion, WalksOnWithAHugeHeading) {
  GameState state = LevelState();
  state.player.heading = 180.0f + 360.0f * 1000.0f;  // a thousand turns later
  MoveForward(state);
  // Wrapping the heading back to 180 would leave x at exactly 2; the huge
  // angle's own sine moves it a little.
  EXPECT_EQ(state.player.x, 1.99999273f);
  EXPECT_EQ(state.player.z, 2.1500001f);
}

TEST(PlayerMotion, DestroyedRobotStillBlocks) {
  GameState state = LevelState();
  state.robots[0].hp = 0;
  state.player = PlayerState{4.0f, 3.3f, 180.0f};  // 0.7 below robot 0
  MoveForward(state);  // z 3.45 lies within 0.6 of the robot at z = 4
  EXPECT_EQ(state.player.z, 3.3f);
  EXPECT_EQ(state.robots[0].hp, 0);
}

TEST(PlayerMotion, ForwardThenBackwardInOneFrameEachTestedAlone) {
  GameState state = LevelState();
  state.player = PlayerState{0.45f, 5.0f, 90.0f};  // facing the wall at x = 0
  MoveForward(state);  // x 0.29999998 lies within the wall's band
  EXPECT_EQ(state.player.x, 0.45f);
  MoveBackward(state);
  EXPECT_EQ(state.player.x, 0.6f);
  EXPECT_EQ(state.player.z, 5.0f);
}

}  // namespace
}  // namespace vorbexia
