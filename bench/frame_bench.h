// What the desktop benchmark (vorbexia_bench.cpp) and the browser's
// (web/web_bench.cpp) share, so that their frame figures stand for the same
// work: the game as they start it, the fixed places the scene is drawn
// from, the quad that fills the screen, the statistics and the `name value`
// lines.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "render/gl_renderer.h"
#include "render/gl_resources.h"
#include "shell/game_window.h"
#include "world/game_state.h"
#include "world/level.h"
#include "world/random.h"

namespace vorbexia::bench {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 800;   // pixels, the game's window or canvas
constexpr int kHeight = 600;  // pixels
constexpr int kBits = 16;     // bits per pixel asked for, as the game does
constexpr uint32_t kSeed = 2026;

inline double MsBetween(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// Everything the game keeps while it runs, on the benchmark's platform
// (its constructor takes `platform_arguments`) with the GL renderer.
template <typename PlatformType>
struct BenchGame {
  template <typename... Arguments>
  explicit BenchGame(SceneDrawing drawing, Arguments... platform_arguments)
      : platform(platform_arguments...) {
    renderer.set_drawing(drawing);
  }

  PlatformType platform;
  GlRenderer renderer{[](const char* text) { std::fprintf(stderr, "vorbexia: %s\n", text); }};
  GameState state;
  GameWindow window{platform, renderer};
  Random random;
};

// Robots back at their start, no shot in flight: every view starts alike.
template <typename PlatformType>
void ResetMovers(BenchGame<PlatformType>& game) {
  SeedRandom(game.random, kSeed);
  SetupRobots(game.state, game.random);
  game.state.shot = ShotState{};
}

// The game's start: the level and the robots, then from the mode answer on
// the window, context and InitGL (textures, render state, lights) and the
// models. False when any of them failed.
template <typename PlatformType>
bool OpenGame(BenchGame<PlatformType>& game) {
  SetupLevel(game.state);
  ResetMovers(game);
  return CreateGameWindow(game.window, WindowRequest{"Vorbexia", kWidth, kHeight, kBits, false}) &&
         game.renderer.BuildModels();
}

// Hands pending window events to the window procedure, as the loop does.
template <typename PlatformType>
void DrainEvents(BenchGame<PlatformType>& game) {
  Event event;
  while (game.platform.NextEvent(event)) {
    if (event.code != EventCode::kQuit) GameWindowProc(game.window, event);
  }
}

// Fixed places to look from: x and z in world units, heading in degrees
// (0 looks down -z, 90 down -x, 180 down +z, 270 down +x).
struct View {
  const char* name;
  PlayerState player;
};
inline constexpr View kViews[] = {
    {"start", {2.0f, 2.0f, 180.0f}},           // along the west wall, 18 units
    {"facing_wall", {2.0f, 2.0f, 0.0f}},       // two units from the south wall
    {"corridor", {47.0f, 12.5f, 90.0f}},       // down the corridor z 10 to 15
    {"robots", {20.0f, 17.5f, 90.0f}},         // robot 1 ahead, at (15, 17)
    {"room_corner", {48.0f, 33.0f, 45.0f}},    // across the north-east room
    {"green_light", {3.0f, 13.0f, 180.0f}},    // under the green light
    {"blue_niche", {37.0f, 2.0f, 160.0f}},     // towards the blue light
};

// The value below which `fraction` of the values lie (nearest rank).
double Percentile(std::vector<double> values, double fraction);
double Median(const std::vector<double>& values);

// One figure: `name value`, three decimals, flushed at once.
void Print(const std::string& name, double value);

// The current normal, put back when this goes: the maze is lit with the
// current normal, so the next scene frame gets the one the last left, not
// the fill's.
class KeptNormal {
 public:
  KeptNormal();
  ~KeptNormal();
  KeptNormal(const KeptNormal&) = delete;
  KeptNormal& operator=(const KeptNormal&) = delete;

 private:
  float normal_[4] = {0, 0, 1, 0};
};

// One screen filled once on the game's fragment state: lit by the lights as
// they stand at the start, the brick texture (GL_LINEAR), the depth test, a
// perspective projection. The quad stands 1 unit ahead of the eye, facing
// it, and reaches past every edge of the 45-degree view (0.414 up, 0.552
// across at 4:3). Clears first; the caller ends the frame.
void DrawFillQuad(const GlResources& resources);

}  // namespace vorbexia::bench
