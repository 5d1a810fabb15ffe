// The game's costs, measured in one run on a real display (Xvfb will do):
//
//   DISPLAY=:93 build/release/bench/vorbexia-bench           the figures below
//   DISPLAY=:93 build/release/bench/vorbexia-bench --paced    10 s of paced play
//   DISPLAY=:93 build/release/bench/vorbexia-bench --reference   the figures with
//       the scene drawn the reference way (render/scene.h)
//
// Every figure is one `name value` line. The run ends with the summary:
// scene_frame_ms_median, scene_frame_ms_p95 (the world's step, DrawScene
// and the swap at 800 x 600, over all fixed views), empty_frame_ms_median (clear and swap),
// fill_frame_ms_median (one quad over the whole screen on the game's own
// fragment state, the floor the scene's frame cannot go below; one after
// each timed scene frame) and
// scene_to_fill_ratio (how many screens' worth of shading a scene frame costs),
// scene_shaded_screens_median and fill_shaded_screens (the fragments the
// driver shaded in one frame over the screen's pixels, counted: each view's
// is printed with its times),
// world_frame_us (one AdvanceWorld), timedemo_fps (bench/win.demo, a game
// that walks the maze and wins, played back unpaced through the game's own
// loop as --timedemo does), startup_ms (window, context, InitGL,
// models, first frame stepped, drawn and swapped), dib_24bit_mb_s and memcpy_mb_s
// (a 4096 x 4096 24-bit bitmap decoded from memory, and a plain copy of its
// pixel bytes; MB = 10^6 bytes).
#define SDL_MAIN_HANDLED

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "controls/key_codes.h"
#include "demo/demo_file.h"
#include "image/dib_reader.h"
#include "image/dib_writer.h"
#include "platform/sdl/sdl_platform.h"
#include "render/gl_renderer.h"
#include "shell/game_main.h"
#include "shell/game_window.h"
#include "world/world.h"
#include "frame_bench.h"

namespace vorbexia {
namespace {

using bench::DrainEvents;
using bench::kHeight;
using bench::kSeed;
using bench::kViews;
using bench::kWidth;
using bench::Median;
using bench::MsBetween;
using bench::Percentile;
using bench::Print;
using bench::ResetMovers;
using bench::View;
using Clock = bench::Clock;
using BenchGame = bench::BenchGame<SdlPlatform>;

constexpr int kWarmFrames = 20;    // per view, not timed
constexpr int kTimedFrames = 300;  // per view
constexpr double kPacedSeconds = 10.0;

// One frame's world step and drawing, in the game's order: the shot and
// the robots step, then the frame is drawn from the state they leave.
void StepAndDraw(BenchGame& game) {
  AdvanceWorld(game.state, game.random);
  game.renderer.DrawScene(game.state);
}

// The game's start (bench::OpenGame), then the first frame stepped, drawn
// and shown.
bool StartGame(BenchGame& game) {
  if (!bench::OpenGame(game)) return false;
  StepAndDraw(game);
  game.platform.SwapBuffers();
  return true;
}

// One stepped and drawn frame until the picture is handed to the display.
// glFinish after the swap makes sure no rendering is left outstanding.
double TimeSceneFrame(BenchGame& game) {
  DrainEvents(game);
  const Clock::time_point start = Clock::now();
  StepAndDraw(game);
  game.platform.SwapBuffers();
  glFinish();
  return MsBetween(start, Clock::now());
}

double TimeEmptyFrame(BenchGame& game) {
  DrainEvents(game);
  const Clock::time_point start = Clock::now();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  game.platform.SwapBuffers();
  glFinish();
  return MsBetween(start, Clock::now());
}

// One screen filled once on the game's fragment state (bench/frame_bench.h),
// timed as a scene frame is: drawing, swap, glFinish.
double TimeFillFrame(BenchGame& game) {
  DrainEvents(game);
  const bench::KeptNormal normal;
  const Clock::time_point start = Clock::now();
  bench::DrawFillQuad(game.renderer.resources());
  game.platform.SwapBuffers();
  glFinish();
  return MsBetween(start, Clock::now());
}

// Fragments shaded in one frame of `frame` over the screen's pixels: the
// screens' worth of shading a frame costs, counted rather than timed, so
// that the machine's load does not blur it. A fragment the depth test turns
// away counts too (llvmpipe tests depth early, in the shader: a screen so
// turned away costs about a fifth of a fill frame), and llvmpipe shades
// whole blocks of pixels, so a triangle's edges count the block's pixels
// outside it: the fill counts 1.01, a thin triangle several times its
// pixels. Negative where the driver has no such counter.
template <typename Frame>
double ShadedScreens(BenchGame& game, Frame frame) {
  const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  if (!extensions || !std::strstr(extensions, "GL_ARB_pipeline_statistics_query")) return -1.0;
  GLuint query = 0;
  glGenQueries(1, &query);
  glBeginQuery(GL_FRAGMENT_SHADER_INVOCATIONS_ARB, query);
  frame(game);
  glEndQuery(GL_FRAGMENT_SHADER_INVOCATIONS_ARB);
  GLuint64 fragments = 0;
  glGetQueryObjectui64v(query, GL_QUERY_RESULT, &fragments);
  glDeleteQueries(1, &query);
  return static_cast<double>(fragments) / (kWidth * kHeight);
}

// Frame times of every view, in view order; prints each view's own figures.
// A fill frame follows each timed scene frame, so that both see the machine
// alike (other work on a shared machine comes and goes within seconds).
std::vector<double> MeasureViews(BenchGame& game, std::vector<double>& fills,
                                 std::vector<double>& shaded) {
  std::vector<double> all;
  for (const View& view : kViews) {
    ResetMovers(game);
    game.state.player = view.player;
    for (int i = 0; i < kWarmFrames; ++i) {
      TimeSceneFrame(game);
      TimeFillFrame(game);
    }
    shaded.push_back(ShadedScreens(game, TimeSceneFrame));
    Print(std::string("view_") + view.name + "_shaded_screens", shaded.back());
    std::vector<double> times;
    for (int i = 0; i < kTimedFrames; ++i) {
      times.push_back(TimeSceneFrame(game));
      fills.push_back(TimeFillFrame(game));
    }
    Print(std::string("view_") + view.name + "_ms_median", Median(times));
    Print(std::string("view_") + view.name + "_ms_p95", Percentile(times, 0.95));
    all.insert(all.end(), times.begin(), times.end());
  }
  return all;
}

double MeasureEmptyFrameMs(BenchGame& game) {
  for (int i = 0; i < kWarmFrames; ++i) TimeEmptyFrame(game);
  std::vector<double> times;
  for (int i = 0; i < kTimedFrames; ++i) times.push_back(TimeEmptyFrame(game));
  return Median(times);
}

// One world frame: the shot and five robots that never fall, with their
// collision tests; the shot is fired anew every frame so it always flies.
double MeasureWorldFrameUs() {
  constexpr int kFrames = 200000;
  GameState state;
  Random random;
  SeedRandom(random, kSeed);
  SetupLevel(state);
  SetupRobots(state, random);
  for (RobotState& robot : state.robots) robot.hp = 1 << 30;
  const Clock::time_point start = Clock::now();
  for (int i = 0; i < kFrames; ++i) {
    AdvanceWorld(state, random);
    TurnLeft(state);
    FireShot(state);
  }
  // AdvanceWorld lives in another library: the loop cannot be folded away.
  return MsBetween(start, Clock::now()) * 1000.0 / kFrames;
}

// A 4096 x 4096 picture in the 24-bit layout with its file header.
std::vector<uint8_t> BigBitmap() {
  constexpr int kSide = 4096;  // pixels
  DibPicture picture;
  picture.width = kSide;
  picture.height = kSide;
  picture.rgb.resize(size_t(kSide) * kSide * 3);
  for (size_t i = 0; i < picture.rgb.size(); ++i) {
    picture.rgb[i] = uint8_t(i * 131 >> 3);
  }
  return EncodeDib(picture, DibLayout::kRgb24, true);
}

double MbPerSecond(size_t bytes, double ms) {
  return static_cast<double>(bytes) / 1e6 / (ms / 1000.0);
}

// The median of five timed runs of `work`, in milliseconds.
template <typename Work>
double MedianMsOfFive(Work work) {
  std::vector<double> times;
  for (int run = 0; run < 5; ++run) {
    const Clock::time_point start = Clock::now();
    work();
    times.push_back(MsBetween(start, Clock::now()));
  }
  return Median(times);
}

// Decode and copy rates of the same pixel bytes, in MB per second.
void MeasureReader(double& dib_mb_s, double& memcpy_mb_s) {
  const std::vector<uint8_t> file = BigBitmap();
  const size_t pixel_bytes = size_t(4096) * 4096 * 3;
  const uint8_t* pixels = file.data() + file.size() - pixel_bytes;
  bool ok = true;
  const double decode_ms = MedianMsOfFive([&] {
    auto image = ReadDibMemory(file.data(), file.size(), [](const char*) {});
    ok = ok && image && image->pixels.size() == pixel_bytes;
  });
  const double copy_ms = MedianMsOfFive([&] {
    std::unique_ptr<uint8_t, decltype(&std::free)> copy(
        static_cast<uint8_t*>(std::malloc(pixel_bytes)), &std::free);
    std::memcpy(copy.get(), pixels, pixel_bytes);
    ok = ok && copy.get()[pixel_bytes / 2] == pixels[pixel_bytes / 2];
  });
  if (!ok) std::fprintf(stderr, "the bench bitmap did not decode\n");
  dib_mb_s = MbPerSecond(pixel_bytes, decode_ms);
  memcpy_mb_s = MbPerSecond(pixel_bytes, copy_ms);
}

// Milliseconds since the kernel started this process (10 ms steps: the
// kernel counts process start in clock ticks).
double MsSinceExec() {
  std::ifstream stat("/proc/self/stat");
  std::string line;
  std::getline(stat, line);
  std::istringstream fields(line.substr(line.rfind(')') + 2));
  std::string field;
  for (int i = 3; i <= 22; ++i) fields >> field;  // field 22: start time
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double ticks_per_s = static_cast<double>(sysconf(_SC_CLK_TCK));
  const double start_s = std::stod(field) / ticks_per_s;
  return (now.tv_sec + now.tv_nsec * 1e-9 - start_s) * 1000.0;
}

// Frames per second of bench/win.demo played back as --timedemo does: the
// whole game, start-up excluded. 0 when it could not be played.
double MeasureTimedemoFps(SceneDrawing drawing) {
  Demo demo;
  std::string error;
  if (!ReadDemoFile("bench/win.demo", demo, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 0.0;
  }
  BenchGame game(drawing, false);
  GameSession session;
  session.seed = demo.seed;
  session.replay = &demo.frames;
  session.silent = true;
  GameMain(game.state, game.platform, game.renderer, session);
  if (!session.loop_ran || session.loop_seconds <= 0) return 0.0;
  Print("timedemo_frames", static_cast<double>(session.frames));
  return static_cast<double>(session.frames) / session.loop_seconds;
}

// The full measurement; 1 when the game could not start.
int RunFigures(SceneDrawing drawing) {
  BenchGame game(drawing, false);
  const double exec_ms = MsSinceExec();
  const Clock::time_point start = Clock::now();
  if (!StartGame(game)) return 1;
  const double startup_ms = MsBetween(start, Clock::now());
  Print("startup_from_exec_ms", exec_ms + startup_ms);

  std::vector<double> fills, shaded;
  const std::vector<double> frames = MeasureViews(game, fills, shaded);
  const double fill_shaded = ShadedScreens(game, TimeFillFrame);
  const double empty_ms = MeasureEmptyFrameMs(game);
  const double fill_ms = Median(fills);
  DestroyGameWindow(game.window);
  const double timedemo_fps = MeasureTimedemoFps(drawing);
  const double world_us = MeasureWorldFrameUs();
  double dib_mb_s = 0, memcpy_mb_s = 0;
  MeasureReader(dib_mb_s, memcpy_mb_s);

  Print("scene_frame_ms_median", Median(frames));
  Print("scene_frame_ms_p95", Percentile(frames, 0.95));
  Print("fill_frame_ms_median", fill_ms);
  Print("scene_to_fill_ratio", Median(frames) / fill_ms);
  Print("scene_shaded_screens_median", Median(shaded));
  Print("fill_shaded_screens", fill_shaded);
  Print("empty_frame_ms_median", empty_ms);
  Print("world_frame_us", world_us);
  Print("timedemo_fps", timedemo_fps);
  Print("startup_ms", startup_ms);
  Print("dib_24bit_mb_s", dib_mb_s);
  Print("memcpy_mb_s", memcpy_mb_s);
  return 0;
}

// Ten seconds of play on the paced platform, as the game runs its frames:
// world step, draw, victory test, swap, keys. Up and Left are held, so the player walks
// in circles and bumps into walls.
int RunPaced() {
  BenchGame game(SceneDrawing::kFast, true);
  if (!StartGame(game)) return 1;
  // Walking and turning left all the way.
  const FrameKeys held{.forward = true, .left = true};
  std::vector<double> intervals;
  const Clock::time_point start = Clock::now();
  Clock::time_point last = start;
  while (MsBetween(start, last) < kPacedSeconds * 1000.0) {
    DrainEvents(game);
    StepAndDraw(game);
    AllRobotsDestroyed(game.state);
    game.platform.SwapBuffers();
    ApplyFrameKeys(game.state, held);
    const Clock::time_point now = Clock::now();
    intervals.push_back(MsBetween(last, now));
    last = now;
  }
  DestroyGameWindow(game.window);
  Print("paced_frames", static_cast<double>(intervals.size()));
  Print("paced_fps", intervals.size() / (MsBetween(start, last) / 1000.0));
  Print("paced_frame_ms_median", Median(intervals));
  Print("paced_frame_ms_max", *std::max_element(intervals.begin(), intervals.end()));
  return 0;
}

}  // namespace
}  // namespace vorbexia

int main(int argc, char** argv) {
  if (chdir(VORBEXIA_SOURCE_DIR) != 0) {
    std::fprintf(stderr, "cannot enter %s for its textures\n", VORBEXIA_SOURCE_DIR);
    return 1;
  }
  const char* option = argc > 1 ? argv[1] : "";
  if (std::strcmp(option, "--paced") == 0) return vorbexia::RunPaced();
  // --reference: the scene and the timedemo drawn the reference way (every
  // wall strip in table order), the game's drawing before the fast one.
  const bool reference = std::strcmp(option, "--reference") == 0;
  return vorbexia::RunFigures(reference ? vorbexia::SceneDrawing::kReference
                                        : vorbexia::SceneDrawing::kFast);
}
