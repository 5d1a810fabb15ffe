// Building and tearing down the window: the order of the steps, the boxes
// and the teardown each failure needs.
#include <gtest/gtest.h>

#include "shell/game_window.h"
#include "support/scripted_platform.h"

namespace vorbexia {
namespace {

using Log = std::vector<std::string>;

class GameWindowTest : public ::testing::Test {
 protected:
  ScriptedPlatform platform;
  ScriptedRenderer renderer{platform};
  GameWindow window{platform, renderer};

  bool Create(bool fullscreen) {
    return CreateGameWindow(window, WindowRequest{"Vorbexia", 800, 600, 16, fullscreen});
  }
};

const Log kWindowedBuild = {
    "OpenDisplay", "CreateWindow windowed", "GetDrawable",
    "ChoosePixelFormat",   "SetPixelFormat",        "CreateContext",
    "MakeCurrent",  "ShowWindow",            "SetViewport 800x600",
    "InitGL"};

const Log kWindowTeardown = {"DetachContext", "DeleteContext", "ReleaseDrawable",
                             "DestroyWindow", "CloseDisplay"};

TEST_F(GameWindowTest, WindowedBuildRunsEveryStepInOrder) {
  ASSERT_TRUE(Create(false));
  EXPECT_EQ(platform.log, kWindowedBuild);
  EXPECT_FALSE(window.fullscreen);
  EXPECT_TRUE(platform.boxes.empty());
  // The first viewport is the requested size, in single-precision aspect.
  ASSERT_EQ(renderer.viewports.size(), 1u);
  EXPECT_EQ(renderer.viewports[0].aspect, static_cast<double>(800.0f / 600.0f));
}

TEST_F(GameWindowTest, TeardownReleasesInReverseOrder) {
  ASSERT_TRUE(Create(false));
  platform.log.clear();
  DestroyGameWindow(window);
  EXPECT_EQ(platform.log, kWindowTeardown);
  EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(GameWindowTest, FullscreenHidesTheCursorAndRestoresFirst) {
  ASSERT_TRUE(Create(true));
  EXPECT_TRUE(window.fullscreen);
  const Log start(platform.log.begin(), platform.log.begin() + 3);
  EXPECT_EQ(start, (Log{"OpenDisplay", "EnterFullscreen 800x600x16", "CreateWindow fullscreen"}));
  platform.log.clear();
  DestroyGameWindow(window);
  Log expected = {"LeaveFullscreen"};
  expected.insert(expected.end(), kWindowTeardown.begin(), kWindowTeardown.end());
  EXPECT_EQ(platform.log, expected);
}

TEST_F(GameWindowTest, RefusedFullscreenAnsweredYesRunsInAWindow) {
  platform.failing = {"EnterFullscreen 800x600x16"};
  platform.answers = {BoxAnswer::kYes};
  ASSERT_TRUE(Create(true));
  EXPECT_FALSE(window.fullscreen);
  ASSERT_EQ(platform.boxes.size(), 1u);
  const Box& box = platform.boxes[0];
  EXPECT_EQ(box.text,
            "Karta graficzna nie zadziala w pelnym ekranie.\n"
            "Czy uruchomic w oknie?");
  EXPECT_EQ(box.caption, "OpenGL");
  EXPECT_EQ(box.buttons, BoxButtons::kYesNo);
  EXPECT_EQ(box.icon, BoxIcon::kWarning);
  EXPECT_EQ(box.owner, BoxOwner::kNone);
  // The cursor was never hidden and the mode never changed: nothing to
  // restore at the end.
  platform.log.clear();
  DestroyGameWindow(window);
  EXPECT_EQ(platform.log, kWindowTeardown);
}

TEST_F(GameWindowTest, RefusedFullscreenAnsweredNoEndsWithoutTeardown) {
  platform.failing = {"EnterFullscreen 800x600x16"};
  platform.answers = {BoxAnswer::kNo};
  EXPECT_FALSE(Create(true));
  EXPECT_EQ(platform.log,
            (Log{"OpenDisplay", "EnterFullscreen 800x600x16 failed",
                 "Box OpenGL: Karta graficzna nie zadziala w pelnym ekranie.\n"
                 "Czy uruchomic w oknie?",
                 "Box ERROR: Nastapi wyjscie z programu."}));
  EXPECT_EQ(platform.boxes.back().icon, BoxIcon::kStop);
}

TEST_F(GameWindowTest, FailedClassRegistrationTearsNothingDown) {
  platform.failing = {"OpenDisplay"};
  EXPECT_FALSE(Create(true));
  EXPECT_EQ(platform.log, (Log{"OpenDisplay failed",
                               "Box ERROR: Blad rejastracji klasy okna!"}));
  EXPECT_EQ(platform.boxes[0].icon, BoxIcon::kWarning);
}

struct StepFailure {
  const char* step;  // the operation that fails
  const char* text;  // the box that follows the teardown
  Log teardown;      // what the teardown releases before the box
};

class FailingStepTest : public GameWindowTest,
                        public ::testing::WithParamInterface<StepFailure> {};

TEST_P(FailingStepTest, TearsDownThenShowsItsBox) {
  const StepFailure& failure = GetParam();
  if (std::string(failure.step) == "InitGL") {
    renderer.init_gl_result = false;
  } else {
    platform.failing = {failure.step};
  }
  EXPECT_FALSE(Create(false));

  // The failing step, then exactly the releases it needs, then the box.
  const auto failed = std::find_if(
      platform.log.begin(), platform.log.end(),
      [](const std::string& entry) { return entry.ends_with(" failed"); });
  ASSERT_NE(failed, platform.log.end());
  Log after(failed + 1, platform.log.end());
  Log expected = failure.teardown;
  expected.push_back(std::string("Box ERROR: ") + failure.text);
  EXPECT_EQ(after, expected);
  ASSERT_EQ(platform.boxes.size(), 1u);
  EXPECT_EQ(platform.boxes[0].icon, BoxIcon::kWarning);
  EXPECT_EQ(platform.boxes[0].owner, BoxOwner::kNone);
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, FailingStepTest,
    ::testing::Values(
        StepFailure{"CreateWindow windowed", "Blad tworzenia okna.",
                    {"CloseDisplay"}},
        StepFailure{"GetDrawable", "Nie mozna utworzyc GDI.",
                    {"DestroyWindow", "CloseDisplay"}},
        StepFailure{"ChoosePixelFormat", "Nie mozna odnalezc formatu piksli.",
                    {"ReleaseDrawable", "DestroyWindow",
                     "CloseDisplay"}},
        StepFailure{"SetPixelFormat", "Nie mozna ustawic formatu piksli.",
                    {"ReleaseDrawable", "DestroyWindow",
                     "CloseDisplay"}},
        StepFailure{"CreateContext", "Nie mozna podczepic OGL pod GDI.",
                    {"ReleaseDrawable", "DestroyWindow",
                     "CloseDisplay"}},
        StepFailure{"MakeCurrent", "Nieudana aktywacja RC.",
                    {"DetachContext", "DeleteContext", "ReleaseDrawable",
                     "DestroyWindow", "CloseDisplay"}},
        StepFailure{"InitGL", "Blad w procedurze InitGL.",
                    {"DetachContext", "DeleteContext", "ReleaseDrawable",
                     "DestroyWindow", "CloseDisplay"}}));

TEST_F(GameWindowTest, FailureAfterFullscreenRestoresBeforeTheBox) {
  renderer.init_gl_result = false;
  EXPECT_FALSE(Create(true));
  Log expected = {"InitGL failed", "LeaveFullscreen"};
  expected.insert(expected.end(), kWindowTeardown.begin(), kWindowTeardown.end());
  expected.push_back("Box ERROR: Blad w procedurze InitGL.");
  const Log tail(platform.log.end() - static_cast<long>(expected.size()),
                 platform.log.end());
  EXPECT_EQ(tail, expected);
}

TEST_F(GameWindowTest, EveryFailedReleaseIsReportedAndTheTeardownGoesOn) {
  ASSERT_TRUE(Create(false));
  platform.log.clear();
  platform.failing = {"DetachContext", "DeleteContext", "ReleaseDrawable",
                      "DestroyWindow", "CloseDisplay"};
  DestroyGameWindow(window);
  EXPECT_EQ(platform.log,
            (Log{"DetachContext failed",
                 "Box SHUTDOWN ERROR: Nieudane zwolnienie DC i RC.",
                 "DeleteContext failed",
                 "Box SHUTDOWN ERROR: Nieudane usuniecie RC.",
                 "ReleaseDrawable failed",
                 "Box SHUTDOWN ERROR: Nieudane zwolnienie GDI.",
                 "DestroyWindow failed",
                 "Box SHUTDOWN ERROR: Nie zwolniono handlera.",
                 "CloseDisplay failed",
                 "Box SHUTDOWN ERROR: Nie odrejestrowano okna."}));
  for (const Box& box : platform.boxes) {
    EXPECT_EQ(box.icon, BoxIcon::kInformation);
    EXPECT_EQ(box.owner, BoxOwner::kNone);
  }
}

TEST_F(GameWindowTest, PartialBuildReleasesOnlyWhatExists) {
  window.has_display = true;
  window.has_window = true;  // a window, but no drawable or context
  DestroyGameWindow(window);
  EXPECT_EQ(platform.log, (Log{"DestroyWindow", "CloseDisplay"}));
  // Nothing is released twice.
  platform.log.clear();
  DestroyGameWindow(window);
  EXPECT_TRUE(platform.log.empty());
}

// A window system without a separate drawable or pixel-format step (SDL):
// those steps and their releases are skipped, the rest keep their order.
TEST_F(GameWindowTest, StepsTheWindowSystemLacksAreSkipped) {
  platform.missing = {WindowStep::kGetDrawable, WindowStep::kSetPixelFormat};
  platform.failing = {"CreateContext"};
  EXPECT_FALSE(Create(false));
  EXPECT_EQ(platform.log,
            (Log{"OpenDisplay", "CreateWindow windowed", "ChoosePixelFormat",
                 "CreateContext failed", "DestroyWindow", "CloseDisplay",
                 "Box ERROR: Nie mozna podczepic OGL pod GDI."}));
}

TEST_F(GameWindowTest, ReleasedContextLeavesLaterSizeEventsHarmless) {
  ASSERT_TRUE(Create(false));
  DestroyGameWindow(window);
  renderer.viewports.clear();
  GameWindowProc(window, Event{EventCode::kSize, 0, 640, 480});
  EXPECT_TRUE(renderer.viewports.empty());
}

}  // namespace
}  // namespace vorbexia
