// One world frame: the shot step and the five robot steps, each with its
// collision test. A shot is kept in flight so that every frame pays for it.
#include <benchmark/benchmark.h>

#include "world/world.h"

namespace {

vorbexia::GameState StartState(vorbexia::Random& random) {
  vorbexia::GameState state;
  vorbexia::SeedRandom(random, 2026);
  vorbexia::SetupLevel(state);
  vorbexia::SetupRobots(state, random);
  // Robots that never fall, so that all five keep walking.
  for (vorbexia::RobotState& robot : state.robots) robot.hp = 1 << 30;
  return state;
}

void BM_AdvanceWorld(benchmark::State& bench) {
  vorbexia::Random random;
  vorbexia::GameState state = StartState(random);
  for (auto _ : bench) {
    vorbexia::AdvanceWorld(state, random);
    // Turn and re-fire so the shot flies in every direction.
    vorbexia::TurnLeft(state);
    vorbexia::FireShot(state);
    benchmark::DoNotOptimize(state);
  }
}
BENCHMARK(BM_AdvanceWorld);

void BM_IsPositionFree(benchmark::State& bench) {
  vorbexia::Random random;
  vorbexia::GameState state = StartState(random);
  float x = 0.0f;
  for (auto _ : bench) {
    x = x > 50.0f ? 0.0f : x + 0.37f;
    benchmark::DoNotOptimize(vorbexia::IsPositionFree(state, x, 12.5f, vorbexia::RobotMover(2)));
  }
}
BENCHMARK(BM_IsPositionFree);

}  // namespace

BENCHMARK_MAIN();
