// Frames one after another through one layer context on ES 2, as the game
// draws them: what the layer keeps between draws (the lighting's inputs, the
// uniform sent, the texture bound, the state ES 2 holds) must leave each
// frame as a fresh context draws it.
#include <gtest/gtest.h>

#include <vector>

#include "fixedgl/api.h"
#include "fixedgl/context.h"
#include "fixedgl/es_context.h"
#include "render/gl_renderer.h"
#include "world/world.h"

namespace vorbexia {
namespace {

constexpr int kWidth = 200, kHeight = 150;  // pixels
const PlayerState kStart{2.0f, 2.0f, 180.0f};
const PlayerState kNiche{37.0f, 2.0f, 160.0f};

struct Frame {
  PlayerState player;
  bool scene = true;
  bool flat = false;  // the HUD and an overlay over the scene, if any
};

// The last of the frames, drawn by the renderer through one layer context.
std::vector<unsigned char> LastFrame(const std::vector<Frame>& frames) {
  EsContext es(kWidth, kHeight);
  EXPECT_TRUE(es.ok()) << "no OpenGL ES 2 context through EGL";
  fixedgl::Context gl(kWidth, kHeight);
  fixedgl::MakeCurrent(&gl);
  GlRenderer renderer([](const char*) {});
  renderer.SetViewport(kWidth, kHeight, static_cast<double>(kWidth) / kHeight);
  EXPECT_TRUE(renderer.InitGL() && renderer.BuildModels());
  GameState state;
  Random random;
  SeedRandom(random, 20261207);
  SetupLevel(state);
  SetupRobots(state, random);
  for (const Frame& frame : frames) {
    state.player = frame.player;
    if (frame.scene) renderer.DrawScene(state);
    if (frame.flat) renderer.DrawHud(state, HudText{"5", "01:02"});
    if (frame.flat) renderer.DrawOverlay({"PAUZA"});
    fixedgl::Flush();
  }
  std::vector<unsigned char> rgb = es.ReadRgb(kWidth, kHeight);
  fixedgl::MakeCurrent(nullptr);
  return rgb;
}

TEST(FixedGlFramesTest, SecondFrameIsAFreshContextsFrame) {
  EXPECT_TRUE(LastFrame({{kStart}, {kNiche}}) == LastFrame({{kNiche}}));
}

TEST(FixedGlFramesTest, FlatDrawingLeavesTheNextFrameAsItWas) {
  EXPECT_TRUE(LastFrame({{kNiche, true, true}, {kNiche}}) == LastFrame({{kNiche}}));
  // Drawn first, over nothing, it leaves nothing of its own behind either.
  EXPECT_TRUE(LastFrame({{kNiche, false, true}, {kNiche}}) == LastFrame({{kNiche}}));
}

}  // namespace
}  // namespace vorbexia
