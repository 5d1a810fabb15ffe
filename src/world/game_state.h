// The one record of game state and the records it is made of.
//
// Every stored quantity is a 32-bit float (world units, degrees) or a 32-bit
// integer, exactly as the game's arithmetic expects. The game owns one
// GameState for its whole run and passes it explicitly; nothing here is global.
#pragma once

#include <array>
#include <cstdint>

#include "world/world_events.h"

namespace vorbexia {

// Who asks the collision test.
using MoverId = int32_t;
constexpr MoverId kPlayerMover = 0;  // robots are 1 to 5 (robot i is i + 1)
constexpr MoverId kShotMover = 100;

constexpr MoverId RobotMover(int index) { return index + 1; }

struct PlayerState {
  float x = 2.0f;          // world units
  float z = 2.0f;          // world units
  float heading = 180.0f;  // degrees, never wrapped; 180 looks along +z
};

struct RobotState {
  float x = 0.0f;
  float z = 0.0f;
  float heading = 0.0f;  // degrees, never wrapped
  int32_t hp = 0;        // hit points; <= 0 means destroyed, may fall below 0
};

struct ShotState {
  uint8_t active = 0;  // 0 or 1
  float x = 0.0f;
  float z = 0.0f;
  float heading = 0.0f;
};

// An axis-aligned wall line. With x1 == x2 it runs along z at x = x1;
// otherwise along x at z = z1 (z2 equals z1 for every such row).
struct WallSegment {
  float x1 = 0.0f;
  float x2 = 0.0f;
  float z1 = 0.0f;
  float z2 = 0.0f;
};

struct FloorRect {
  float x_min = 0.0f;
  float x_max = 0.0f;
  float z_min = 0.0f;
  float z_max = 0.0f;
};

constexpr int kRobotCount = 5;
constexpr int kWallCount = 22;

struct GameState {
  PlayerState player;
  std::array<RobotState, kRobotCount> robots{};
  ShotState shot;
  FloorRect floor;
  std::array<WallSegment, kWallCount> walls{};
  // Filled by the world in each frame; the shell clears it before the frame.
  WorldEvents events;
};

}  // namespace vorbexia
