#include "world/level.h"

#include "world/heading.h"

namespace vorbexia {
namespace {

// Floor and ceiling tiles; they reach past the walls to x = 60, where no
// mover can go.
constexpr FloorRect kFloor{0.0f, 60.0f, 0.0f, 35.0f};

// x1, x2, z1, z2 (world units). x1 == x2: the wall runs along z at x1;
// otherwise along x at z1. Together they close the outer boundary, a solid
// block (x 10 to 45, z 5 to 15) and a box (x 15 to 30, z 20 to 25).
constexpr std::array<WallSegment, kWallCount> kWalls{{
    {0.0f, 50.0f, 0.0f, 0.0f},
    {0.0f, 10.0f, 20.0f, 20.0f},
    {0.0f, 0.0f, 0.0f, 20.0f},
    {10.0f, 10.0f, 5.0f, 15.0f},
    {10.0f, 45.0f, 15.0f, 15.0f},
    {50.0f, 50.0f, 0.0f, 20.0f},
    {30.0f, 50.0f, 35.0f, 35.0f},
    {30.0f, 30.0f, 20.0f, 25.0f},
    {15.0f, 30.0f, 20.0f, 20.0f},
    {10.0f, 10.0f, 20.0f, 35.0f},
    {15.0f, 15.0f, 20.0f, 25.0f},
    {15.0f, 30.0f, 25.0f, 25.0f},
    {25.0f, 30.0f, 30.0f, 30.0f},
    {25.0f, 25.0f, 30.0f, 35.0f},
    {10.0f, 25.0f, 35.0f, 35.0f},
    {30.0f, 30.0f, 30.0f, 35.0f},
    {40.0f, 40.0f, 20.0f, 35.0f},
    {30.0f, 45.0f, 10.0f, 10.0f},
    {40.0f, 50.0f, 20.0f, 20.0f},
    {45.0f, 45.0f, 10.0f, 15.0f},
    {30.0f, 30.0f, 5.0f, 10.0f},
    {10.0f, 30.0f, 5.0f, 5.0f},
}};

// Where robots 0 to 4 start (world units), all in the open part of the maze.
constexpr std::array<GroundPoint, kRobotCount> kRobotStarts{{
    {4.0f, 4.0f},
    {15.0f, 17.0f},
    {45.0f, 19.0f},
    {25.0f, 18.0f},
    {45.0f, 5.0f},
}};

constexpr int32_t kFullCircle = 360;  // degrees

}  // namespace

void SetupLevel(GameState& state) {
  state.floor = kFloor;
  state.walls = kWalls;
}

void SetupRobots(GameState& state, Random& random) {
  for (RobotState& robot : state.robots) {
    robot.hp = kRobotStartHp;
    robot.heading = static_cast<float>(NextRandom(random) % kFullCircle);
  }
  for (int i = 0; i < kRobotCount; ++i) {
    state.robots[i].x = kRobotStarts[i].x;
    state.robots[i].z = kRobotStarts[i].z;
  }
}

}  // namespace vorbexia
