// The game's frame costs in a web browser: the counterpart of the desktop's
// vorbexia-bench (bench/vorbexia_bench.cpp) for the web build, the same
// world and renderer drawn on WebGL through the fixed-function layer.
// tools/bench-web builds and serves bench/web/bench.html and runs it in
// headless Chromium; it draws the scene the fast way (the game's, as
// web_main.cpp sets it), `?reference` the reference way.
//
// In an 800 x 600 canvas with the game's own window, context and InitGL
// (the web platform, unpaced), it draws from the desktop bench's fixed views
// and prints `name value` lines on the console: each view's median and
// 95th percentile, then scene_frame_ms_median (the world's step and
// DrawScene, over all views), fill_frame_ms_median (the desktop bench's
// quad over the whole screen on the game's fragment state, one after each
// timed scene frame) and scene_to_fill_ratio. Fewer frames per view than
// the desktop's: SwiftShader's frames are slow and their medians steady.
//
// A timed frame ends with a one-pixel glReadPixels, not glFinish: Chromium
// runs WebGL's finish() as a mere flush (ended with glFinish, a fill frame
// took 0.1 ms), while reading a pixel waits for the GPU process
// (SwiftShader) to have drawn the frame. The handing of the
// frame to the browser (the swap: a yield to its event loop, no animation
// frame waited for) comes after the clock has stopped.
#include <GLES2/gl2.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "fixedgl/api.h"
#include "frame_bench.h"
#include "platform/web/web_platform.h"
#include "world/frame.h"

namespace vorbexia {
namespace {

using bench::DrainEvents;
using bench::Median;
using bench::MsBetween;
using bench::Percentile;
using bench::Print;
using bench::ResetMovers;
using Clock = bench::Clock;
using BenchGame = bench::BenchGame<WebPlatform>;

constexpr int kWarmFrames = 10;    // per view, not timed
constexpr int kTimedFrames = 100;  // per view

// The layer's gathered triangles go to WebGL and one pixel comes back: the
// frame is drawn when this returns.
void WaitForFrameDrawn() {
  fixedgl::Flush();
  unsigned char pixel[4];
  ::glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
}

double TimeSceneFrame(BenchGame& game) {
  DrainEvents(game);
  const Clock::time_point start = Clock::now();
  AdvanceWorld(game.state, game.random);
  game.renderer.DrawScene(game.state);
  WaitForFrameDrawn();
  const double ms = MsBetween(start, Clock::now());
  game.platform.SwapBuffers();
  return ms;
}

double TimeFillFrame(BenchGame& game) {
  DrainEvents(game);
  const bench::KeptNormal normal;
  const Clock::time_point start = Clock::now();
  bench::DrawFillQuad(game.renderer.resources());
  WaitForFrameDrawn();
  const double ms = MsBetween(start, Clock::now());
  game.platform.SwapBuffers();
  return ms;
}

int RunFigures(SceneDrawing drawing) {
  BenchGame game(drawing, false);  // unpaced
  game.platform.SendBoxesToStderr();  // nobody is there to answer them
  if (!bench::OpenGame(game)) {
    std::fprintf(stderr, "vorbexia: the bench page got no WebGL context or game window\n");
    return 1;
  }
  std::vector<double> frames, fills;
  for (const bench::View& view : bench::kViews) {
    ResetMovers(game);
    game.state.player = view.player;
    for (int i = 0; i < kWarmFrames; ++i) {
      TimeSceneFrame(game);
      TimeFillFrame(game);
    }
    std::vector<double> times;
    for (int i = 0; i < kTimedFrames; ++i) {
      times.push_back(TimeSceneFrame(game));
      fills.push_back(TimeFillFrame(game));
    }
    Print(std::string("view_") + view.name + "_ms_median", Median(times));
    Print(std::string("view_") + view.name + "_ms_p95", Percentile(times, 0.95));
    frames.insert(frames.end(), times.begin(), times.end());
  }
  DestroyGameWindow(game.window);
  Print("scene_frame_ms_median", Median(frames));
  Print("scene_frame_ms_p95", Percentile(frames, 0.95));
  Print("fill_frame_ms_median", Median(fills));
  Print("scene_to_fill_ratio", Median(frames) / Median(fills));
  return 0;
}

}  // namespace
}  // namespace vorbexia

int main(int argc, char** argv) {
  const bool reference = argc > 1 && std::strcmp(argv[1], "--reference") == 0;
  std::printf("drawing %s\n", reference ? "reference" : "fast");
  return vorbexia::RunFigures(reference ? vorbexia::SceneDrawing::kReference
                                        : vorbexia::SceneDrawing::kFast);
}
