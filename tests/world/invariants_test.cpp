// A long random run: games with random keys, one after another, checking
// after every frame that nobody stands where the rules forbid.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "world/heading.h"
#include "world/world.h"

namespace vorbexia {
namespace {

constexpr int kTotalFrames = 100000;
constexpr int kLongestFlight = 200;  // frames; the maze is crossed in far fewer

// The outer boundary of the maze, (x, z) in order around it.
constexpr std::array<GroundPoint, 12> kOuterBoundary{{
    {0, 0}, {50, 0}, {50, 20}, {40, 20}, {40, 35}, {30, 35},
    {30, 30}, {25, 30}, {25, 35}, {10, 35}, {10, 20}, {0, 20},
}};

// Even-odd ray cast along +x.
bool IsInsideMaze(float x, float z) {
  bool inside = false;
  for (size_t i = 0, j = kOuterBoundary.size() - 1; i < kOuterBoundary.size(); j = i++) {
    const GroundPoint& a = kOuterBoundary[i];
    const GroundPoint& b = kOuterBoundary[j];
    if ((a.z > z) != (b.z > z) && x < a.x + (z - a.z) * (b.x - a.x) / (b.z - a.z)) {
      inside = !inside;
    }
  }
  return inside;
}

// Random keys that are held for a while, as a player holds them.
class RandomPlayer {
 public:
  FrameKeys NextKeys() {
    if (hold_ == 0) {
      const uint32_t pick = Next();
      held_ = FrameKeys{(pick & 1) != 0, (pick & 6) == 6, (pick & 8) != 0,
                        (pick & 16) != 0, false};
      hold_ = 1 + Next() % 40;
    }
    --hold_;
    FrameKeys keys = held_;
    keys.fire = Next() % 8 == 0;
    return keys;
  }

 private:
  uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  uint32_t state_ = 7;
  uint32_t hold_ = 0;
  FrameKeys held_;
};

GameState NewGame(Random& random, uint32_t seed) {
  GameState state;
  SeedRandom(random, seed);
  SetupLevel(state);
  SetupRobots(state, random);
  return state;
}

void ExpectRulesHold(GameState& state, int frame) {
  const PlayerState& player = state.player;
  // IsPositionFree changes nothing for the player's and robots' movers.
  ASSERT_TRUE(IsPositionFree(state, player.x, player.z, kPlayerMover)) << "frame " << frame;
  ASSERT_TRUE(IsInsideMaze(player.x, player.z)) << "frame " << frame;
  for (int i = 0; i < kRobotCount; ++i) {
    const RobotState& robot = state.robots[i];
    ASSERT_TRUE(IsPositionFree(state, robot.x, robot.z, RobotMover(i)))
        << "robot " << i << " frame " << frame;
    ASSERT_TRUE(IsInsideMaze(robot.x, robot.z)) << "robot " << i << " frame " << frame;
  }
  // Robots may walk over a shot, so only walls and the boundary bind it.
  if (state.shot.active) {
    ASSERT_TRUE(IsClearOfWalls(state, state.shot.x, state.shot.z)) << "frame " << frame;
    ASSERT_TRUE(IsInsideMaze(state.shot.x, state.shot.z)) << "frame " << frame;
  }
}

TEST(Invariants, HoldOverAHundredThousandRandomFrames) {
  RandomPlayer keys;
  Random random;
  uint32_t seed = 1;
  GameState state = NewGame(random, seed);
  int flight = 0;
  int shots_ended = 0;
  int games_won = 0;
  for (int frame = 1; frame <= kTotalFrames; ++frame) {
    const bool was_flying = state.shot.active;
    FrameView unseen;
    const bool victory = RunFrame(state, random, keys.NextKeys(), unseen, false) == FrameEnd::kVictory;
    if (was_flying && !state.shot.active) ++shots_ended;
    flight = state.shot.active ? flight + 1 : 0;
    ASSERT_LE(flight, kLongestFlight) << "frame " << frame;
    ASSERT_NO_FATAL_FAILURE(ExpectRulesHold(state, frame));
    if (victory) {
      ++games_won;
      state = NewGame(random, ++seed);
    }
  }
  // The run really played: many shots flew and ended, and games were won.
  EXPECT_GT(shots_ended, 1000);
  EXPECT_GT(games_won, 0);
}

TEST(Invariants, MazeBoundaryTestItself) {
  EXPECT_TRUE(IsInsideMaze(2.0f, 2.0f));
  EXPECT_TRUE(IsInsideMaze(35.0f, 30.0f));
  EXPECT_FALSE(IsInsideMaze(-0.39f, 10.0f));
  EXPECT_FALSE(IsInsideMaze(5.0f, 25.0f));   // west of x = 10 above z = 20
  EXPECT_FALSE(IsInsideMaze(27.0f, 32.0f));  // the notch between x 25 and 30
  EXPECT_FALSE(IsInsideMaze(55.0f, 10.0f));  // the floor past x = 50
}

}  // namespace
}  // namespace vorbexia
