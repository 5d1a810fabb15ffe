// Which floor and ceiling blocks the fast drawing may draw whole.
#include "render/tile_blocks.h"

#include <gtest/gtest.h>

#include "world/world.h"

namespace vorbexia {
namespace {

// Every light far below the floor: no cone reaches any tile.
WorldLights DarkLights() {
  WorldLights lights{};
  for (WorldPoint& light : lights) light = WorldPoint{-100.0f, -100.0f, -100.0f};
  return lights;
}

class TileBlocksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetupLevel(state_);
    for (int i = 0; i < kRobotCount; ++i) state_.robots[i] = RobotState{-50.0f, -50.0f, 0.0f, 0};
  }
  GameState state_;
};

// The block x 5 to 10, z 15 to 20 has the wall along z 20 (x 0 to 10) on
// its far side: joined while the eye is on its side of every wall by it,
// not from beyond that wall, where the floor behind the wall's foot meets
// it on the screen.
TEST_F(TileBlocksTest, BlockBesideAWallJoinsOnlyOnTheEyesSide) {
  const TilePlan inside = PlanTileBlocks(state_, 0.0f, DarkLights(), GroundPoint{6.0f, 16.0f});
  EXPECT_TRUE(inside.Joined(1, 3));
  const TilePlan beyond = PlanTileBlocks(state_, 0.0f, DarkLights(), GroundPoint{7.0f, 27.0f});
  EXPECT_FALSE(beyond.Joined(1, 3));
}

// A robot keeps the floor block it stands on apart, not the ceiling above.
TEST_F(TileBlocksTest, RobotKeepsTheFloorBlockApartNotTheCeiling) {
  state_.robots[0] = RobotState{8.5f, 18.5f, 0.0f, 3};
  const GroundPoint eye{6.0f, 16.0f};
  EXPECT_FALSE(PlanTileBlocks(state_, 0.0f, DarkLights(), eye).Joined(1, 3));
  EXPECT_TRUE(PlanTileBlocks(state_, 1.5f, DarkLights(), eye).Joined(1, 3));
}

}  // namespace
}  // namespace vorbexia
