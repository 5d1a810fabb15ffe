// The test page of the golden views: the game's renderer draws the views of
// tests/render/golden through the fixed-function layer on the browser's
// WebGL, and each frame is held against the desktop's golden. One line a
// view, "golden NAME: SHARE % of pixels within 8 levels", then "golden: done".
#include <GLES2/gl2.h>
#include <emscripten/html5.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "fixedgl/api.h"
#include "fixedgl/context.h"
#include "render/gl_renderer.h"
#include "world/world.h"

namespace vorbexia {
namespace {

constexpr int kWidth = 800;  // the canvas, pixels
constexpr int kHeight = 600;
constexpr int kGoldenWidth = 400;  // the goldens' view, pixels
constexpr int kGoldenHeight = 300;
constexpr int kTolerance = 8;  // levels per channel

std::vector<unsigned char> ReadGolden(const std::string& name) {
  std::ifstream in("/golden/" + name + ".ppm", std::ios::binary);
  std::string magic;
  int width = 0, height = 0, max_value = 0;
  in >> magic >> width >> height >> max_value;
  in.get();
  if (!in || magic != "P6" || width != kGoldenWidth || height != kGoldenHeight) return {};
  std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
  in.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
  return in ? rgb : std::vector<unsigned char>{};
}

// The view's pixels as RGB, rows from the top, as the goldens keep them.
std::vector<unsigned char> ReadView() {
  std::vector<unsigned char> rgba(static_cast<size_t>(kGoldenWidth) * kGoldenHeight * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kGoldenWidth, kGoldenHeight, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  std::vector<unsigned char> rgb;
  rgb.reserve(rgba.size() / 4 * 3);
  for (int y = kGoldenHeight - 1; y >= 0; --y) {
    for (int x = 0; x < kGoldenWidth; ++x) {
      const unsigned char* p = &rgba[(static_cast<size_t>(y) * kGoldenWidth + x) * 4];
      rgb.insert(rgb.end(), p, p + 3);
    }
  }
  return rgb;
}

double ShareAlike(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
  size_t alike = 0;
  for (size_t i = 0; i + 2 < a.size(); i += 3) {
    alike += std::abs(a[i] - b[i]) <= kTolerance && std::abs(a[i + 1] - b[i + 1]) <= kTolerance &&
             std::abs(a[i + 2] - b[i + 2]) <= kTolerance;
  }
  return static_cast<double>(alike) / static_cast<double>(a.size() / 3);
}

void ClearRobots(GameState& state) {
  for (int i = 0; i < kRobotCount; ++i) state.robots[i] = RobotState{32.0f + 2 * i, 33.0f, 0.0f, 0};
}

// As tests/render/frame_test.cpp draws it: the level and the robots from one
// seed, `arrange` on top, a world step, then the frame at 400 x 300.
template <typename Arrange>
void CompareView(const std::string& name, const PlayerState& player, Arrange arrange) {
  fixedgl::Context gl(kWidth, kHeight);
  fixedgl::MakeCurrent(&gl);
  GlRenderer renderer([](const char* text) { std::printf("reader box: %s\n", text); });
  renderer.SetViewport(kWidth, kHeight, static_cast<double>(kWidth) / kHeight);
  GameState state;
  Random random;
  if (!renderer.InitGL() || !renderer.BuildModels()) {
    std::printf("golden %s: no render state\n", name.c_str());
  } else {
    SeedRandom(random, 20261207);
    SetupLevel(state);
    SetupRobots(state, random);
    arrange(state);
    renderer.SetViewport(kGoldenWidth, kGoldenHeight,
                         static_cast<double>(kGoldenWidth) / kGoldenHeight);
    state.player = player;
    AdvanceWorld(state, random);
    renderer.DrawScene(state);
    fixedgl::Flush();
    const std::vector<unsigned char> golden = ReadGolden(name);
    const std::vector<unsigned char> frame = ReadView();
    if (golden.size() != frame.size()) {
      std::printf("golden %s: no golden\n", name.c_str());
    } else {
      std::printf("golden %s: %.3f %% of pixels within %d levels\n", name.c_str(),
                  ShareAlike(frame, golden) * 100, kTolerance);
    }
  }
  fixedgl::MakeCurrent(nullptr);
}

}  // namespace
}  // namespace vorbexia

int main() {
  using namespace vorbexia;
  EmscriptenWebGLContextAttributes attributes;
  emscripten_webgl_init_context_attributes(&attributes);
  attributes.alpha = EM_FALSE;
  attributes.antialias = EM_FALSE;
  attributes.majorVersion = 1;
  const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context =
      emscripten_webgl_create_context("#canvas", &attributes);
  if (context <= 0 || emscripten_webgl_make_context_current(context) != EMSCRIPTEN_RESULT_SUCCESS) {
    std::printf("golden: no WebGL\n");
    return 1;
  }
  CompareView("start", PlayerState{2.0f, 2.0f, 180.0f}, [](GameState&) {});
  CompareView("robots", PlayerState{5.0f, 5.0f, 180.0f}, [](GameState& state) {
    state.robots[0] = RobotState{4.0f, 8.5f, 30.0f, 3};
    state.robots[1] = RobotState{6.5f, 10.0f, 200.0f, 0};
    state.robots[2] = RobotState{3.0f, 12.0f, 180.0f, 2};
    state.robots[3] = RobotState{7.0f, 14.0f, 90.0f, 1};
    state.robots[4] = RobotState{2.0f, 16.0f, 45.0f, -1};
    state.shot = ShotState{1, 5.0f, 7.0f, 180.0f};
  });
  CompareView("green_light", PlayerState{3.0f, 13.0f, 180.0f}, ClearRobots);
  CompareView("blue_niche", PlayerState{37.0f, 2.0f, 160.0f}, ClearRobots);
  std::printf("golden: done\n");
  return 0;
}
