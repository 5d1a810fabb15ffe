// A robot that takes a hit flashes for a few frames. Drawing only: the
// shell follows the robots' hit points from frame to frame and the renderer
// draws the flagged robots flashing; the world, demos and the simulator
// never see it.
#pragma once

#include <array>
#include <cstdint>

#include "world/game_state.h"

namespace vorbexia {

// The robots drawn flashing in a frame.
using RobotFlashes = std::array<bool, kRobotCount>;

constexpr int kHitFlashFrames = 8;  // frames a hit shows, about 0.13 s

struct HitFlash {
  bool started = false;                       // hit points seen once
  std::array<int32_t, kRobotCount> hp{};      // as the last frame left them
  std::array<int, kRobotCount> frames_left{}; // of each robot's flash
};

// After a world step: a robot with fewer hit points than the step before
// starts its flash; every other flash runs down a frame. Frames drawn while
// the world stands still are not steps. (Here in the header: the shell
// follows the hits without linking the renderer.)
inline void FollowHits(HitFlash& flash, const GameState& state) {
  for (int i = 0; i < kRobotCount; ++i) {
    const int32_t hp = state.robots[i].hp;
    if (flash.started && hp < flash.hp[i]) {
      flash.frames_left[i] = kHitFlashFrames;
    } else if (flash.frames_left[i] > 0) {
      --flash.frames_left[i];
    }
    flash.hp[i] = hp;
  }
  flash.started = true;
}

inline RobotFlashes Flashing(const HitFlash& flash) {
  RobotFlashes flashes{};
  for (int i = 0; i < kRobotCount; ++i) flashes[i] = flash.frames_left[i] > 0;
  return flashes;
}

}  // namespace vorbexia
