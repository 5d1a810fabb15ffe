// make-win-demo: plays a game against the world rules alone and writes it as
// a demo that walks the maze and wins (bench/win.demo, the timedemo of
// vorbexia-bench). Each frame it turns towards the nearest robot still
// standing, walks towards it while it is far, and fires when it faces it;
// when it stops getting anywhere it wanders for a while.
//
//   make-win-demo SEED > bench/win.demo
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "demo/demo_file.h"
#include "demo/replay.h"
#include "world/world.h"

namespace vorbexia {
namespace {

constexpr int kMaxFrames = 100000;
constexpr double kPi = 3.14159265358979323846;

// Degrees from `heading` to the heading that looks at (x, z), in -180..180.
double TurnTowards(const PlayerState& player, double x, double z) {
  const double want = std::atan2(-(x - player.x), -(z - player.z)) * 180.0 / kPi;
  return std::remainder(want - player.heading, 360.0);
}

const RobotState* NearestStanding(const GameState& state) {
  const RobotState* nearest = nullptr;
  double best = 1e9;
  for (const RobotState& robot : state.robots) {
    if (robot.hp <= 0) continue;
    const double d = std::hypot(robot.x - state.player.x, robot.z - state.player.z);
    if (d < best) best = d, nearest = &robot;
  }
  return nearest;
}

FrameKeys ChooseKeys(const GameState& state, int frame, int& wander_until) {
  FrameKeys keys;
  if (frame < wander_until) {
    keys.forward = true;
    keys.left = (frame / 40) % 2 == 0;
    return keys;
  }
  const RobotState* target = NearestStanding(state);
  const double turn = TurnTowards(state.player, target->x, target->z);
  const double distance = std::hypot(target->x - state.player.x, target->z - state.player.z);
  keys.left = turn > 2.0;
  keys.right = turn < -2.0;
  keys.forward = distance > 4.0 && std::fabs(turn) < 45.0;
  keys.fire = std::fabs(turn) < 4.0 && !state.shot.active && frame % 2 == 0;
  return keys;
}

}  // namespace
}  // namespace vorbexia

int main(int argc, char** argv) {
  using namespace vorbexia;
  const uint32_t seed = argc > 1 ? static_cast<uint32_t>(std::strtoul(argv[1], nullptr, 10)) : 1;
  GameState state;
  Random random;
  SeedRandom(random, seed);
  SetupLevel(state);
  SetupRobots(state, random);
  std::cout << DemoHeader(seed);
  int wander_until = 0;
  PlayerState last = state.player;
  for (int frame = 0; frame < kMaxFrames; ++frame) {
    const FrameKeys keys = ChooseKeys(state, frame, wander_until);
    const bool won = RunReplayFrame(state, random, keys);
    std::cout << DemoFrameLine(keys) << '\n';
    if (won) return 0;
    if (frame % 120 == 119) {  // stuck against a wall: wander a while
      if (std::hypot(state.player.x - last.x, state.player.z - last.z) < 1.0) {
        wander_until = frame + 200;
      }
      last = state.player;
    }
  }
  std::fprintf(stderr, "no win in %d frames\n", kMaxFrames);
  return 1;
}
