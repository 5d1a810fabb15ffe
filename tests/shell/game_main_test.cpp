// The start sequence, the main loop and the end of the game, on the scripted
// platform.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <sstream>
#include <string>

#include "controls/key_codes.h"
#include "image/temp_directory.h"
#include "shell/game_main.h"
#include "support/scripted_platform.h"

namespace vorbexia {
namespace {

using Log = std::vector<std::string>;

class GameMainTest : public ::testing::Test {
 protected:
  ScriptedPlatform platform;
  ScriptedRenderer renderer{platform};
  GameState state;

  GameMainTest() { platform.answers = {BoxAnswer::kNo}; }  // windowed

  int Run(uint32_t seed = 1) {
    return GameMain(state, platform, renderer, seed);
  }

  // The log from the first entry equal to `from` on.
  Log LogFrom(const std::string& from) const {
    const auto it = std::find(platform.log.begin(), platform.log.end(), from);
    return Log(it, platform.log.end());
  }

  int Count(const std::string& entry) const {
    return static_cast<int>(
        std::count(platform.log.begin(), platform.log.end(), entry));
  }

  // Presses Esc after the given number of swaps.
  void EscAfterSwaps(int swaps) {
    platform.on_swap = [this, swaps](int swap) {
      if (swap == swaps) platform.Push(EventCode::kKeyDown, kKeyEscape);
    };
  }

  void DestroyAllRobots() {
    for (RobotState& robot : state.robots) robot.hp = 0;
  }

  // One character a drawn frame: '1' where the HUD was drawn over it.
  std::string HudFrames() const {
    std::string frames;
    for (const std::string& entry : platform.log) {
      if (entry == "DrawScene") frames += '0';
      if (entry == "DrawHud") frames.back() = '1';
    }
    return frames;
  }
};

const Log kTeardown = {"DetachContext", "DeleteContext",
                       "ReleaseDrawable", "DestroyWindow",
                       "CloseDisplay"};

TEST_F(GameMainTest, AsksTheModeQuestionFirst) {
  platform.Push(EventCode::kKeyDown, kKeyEscape);
  EXPECT_EQ(Run(), 0);
  ASSERT_FALSE(platform.boxes.empty());
  const Box& box = platform.boxes[0];
  EXPECT_EQ(box.text, "Wcisnij TAK na FULLSCREEN, NIE na WINDOW-MODE");
  EXPECT_EQ(box.caption, "Wybor trybu");
  EXPECT_EQ(box.buttons, BoxButtons::kYesNo);
  EXPECT_EQ(box.icon, BoxIcon::kQuestion);
  EXPECT_EQ(box.owner, BoxOwner::kNone);
  EXPECT_EQ(platform.log[0], "Box Wybor trybu: " + box.text);
  EXPECT_EQ(platform.log[2], "CreateWindow windowed");
}

TEST_F(GameMainTest, AnswerYesAsksForFullscreen) {
  platform.answers = {BoxAnswer::kYes};
  platform.Push(EventCode::kKeyDown, kKeyEscape);
  Run();
  EXPECT_EQ(Count("EnterFullscreen 800x600x16"), 1);
  EXPECT_EQ(Count("CreateWindow fullscreen"), 1);
  EXPECT_EQ(Count("LeaveFullscreen"), 1);
}

TEST_F(GameMainTest, QuitRequestedDuringTheModeQuestionEndsTheGameThere) {
  platform.on_box = [this](const Box&) { platform.quit_signal = SIGTERM; };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(platform.log,
            Log{"Box Wybor trybu: Wcisnij TAK na FULLSCREEN, NIE na WINDOW-MODE"});
}

TEST_F(GameMainTest, LevelAndRobotsAreSetUpFromTheSeedBeforeTheQuestion) {
  platform.Push(EventCode::kKeyDown, kKeyEscape);
  platform.on_box = [this](const Box&) {
    GameState level;
    SetupLevel(level);
    EXPECT_EQ(state.floor.x_max, level.floor.x_max);
    EXPECT_EQ(state.walls[kWallCount - 1].z2, level.walls[kWallCount - 1].z2);
  };
  Run(1);
  // Seeded with 1 the generator yields 41, 18467, 6334, 26500, 19169.
  EXPECT_EQ(state.robots[0].heading, 41.0f);
  EXPECT_EQ(state.robots[1].heading, 18467.0f - 51 * 360);
  EXPECT_EQ(state.robots[4].heading, 19169.0f - 53 * 360);
  for (const RobotState& robot : state.robots) EXPECT_EQ(robot.hp, 3);
}

TEST_F(GameMainTest, FailedWindowReturnsZeroWithoutBoxOfItsOwn) {
  platform.failing = {"CreateWindow windowed"};
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(platform.boxes.size(), 2u);
  EXPECT_EQ(platform.boxes[1].text, "Blad tworzenia okna.");
  EXPECT_EQ(Count("BuildModels"), 0);
  EXPECT_EQ(Count("SwapBuffers"), 0);
  EXPECT_EQ(platform.log.back(), "Box ERROR: Blad tworzenia okna.");
}

TEST_F(GameMainTest, FailedModelBuildTearsDownThenReports) {
  renderer.build_models_result = false;
  EXPECT_EQ(Run(), 0);
  Log expected = {"BuildModels failed"};
  expected.insert(expected.end(), kTeardown.begin(), kTeardown.end());
  expected.push_back("Box ERROR: Blad w procedurze InitGL.");
  EXPECT_EQ(LogFrom("BuildModels failed"), expected);
  EXPECT_EQ(renderer.draws, 0);
}

TEST_F(GameMainTest, EscFrameIsDrawnButNeverShownNorFollowedByKeys) {
  EscAfterSwaps(2);
  platform.Push(EventCode::kKeyDown, kKeyLeft);
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(renderer.draws, 3);
  EXPECT_EQ(platform.swaps, 2);
  // Left acted after each of the two swaps, not in the Esc frame.
  EXPECT_EQ(state.player.heading, 186.0f);
  Log expected = {"DrawScene", "SwapBuffers", "DrawScene", "SwapBuffers",
                  "DrawScene"};
  expected.insert(expected.end(), kTeardown.begin(), kTeardown.end());
  EXPECT_EQ(LogFrom("DrawScene"), expected);
}

TEST_F(GameMainTest, InactiveFramesSwapWithoutDrawingWhileKeysStillAct) {
  platform.PushActivate(true);
  platform.Push(EventCode::kKeyDown, kKeyRight);
  EscAfterSwaps(4);
  Run();
  EXPECT_EQ(renderer.draws, 0);
  EXPECT_EQ(platform.swaps, 4);
  EXPECT_EQ(state.player.heading, 180.0f - 4 * 3.0f);
}

TEST_F(GameMainTest, FramesReplacedUnseenStepTheWorldWithoutDrawing) {
  // The second and third frames are replaced before the display shows them.
  platform.Push(EventCode::kKeyDown, kKeyLeft);
  platform.on_swap = [this](int swap) {
    platform.frame_shown = swap > 2;
    if (swap == 5) platform.Push(EventCode::kKeyDown, kKeyEscape);
  };
  Run();
  EXPECT_EQ(platform.swaps, 5);
  EXPECT_EQ(renderer.draws, 4);  // the first, fourth, fifth and the Esc frame
  EXPECT_EQ(state.player.heading, 180.0f + 5 * 3.0f);
}

TEST_F(GameMainTest, AllPendingEventsAreHandledBeforeAFrame) {
  platform.Push(EventCode::kKeyDown, kKeyLeft);
  platform.Push(EventCode::kKeyDown, kKeyRight);
  platform.Push(EventCode::kKeyUp, kKeyRight);
  EscAfterSwaps(1);
  Run();
  // Right was released before the first frame: only Left acted.
  EXPECT_EQ(state.player.heading, 183.0f);
}

TEST_F(GameMainTest, SpaceTappedBetweenTwoFramesFiresOnce) {
  // Key-down and key-up drained in the same pass, before the first frame.
  platform.Push(EventCode::kKeyDown, kKeySpace);
  platform.Push(EventCode::kKeyUp, kKeySpace);
  EscAfterSwaps(1);
  Run();
  EXPECT_EQ(state.shot.active, 1);
}

TEST_F(GameMainTest, EscTappedBetweenTwoFramesQuits) {
  platform.Push(EventCode::kKeyDown, kKeyEscape);
  platform.Push(EventCode::kKeyUp, kKeyEscape);
  platform.on_swap = [this](int swap) {
    if (swap == 100) platform.Push(EventCode::kClose);  // the tap was lost
  };
  Run();
  EXPECT_EQ(platform.swaps, 0);
}

TEST_F(GameMainTest, LeftAndRightTogetherCancelOut) {
  platform.Push(EventCode::kKeyDown, kKeyLeft);
  platform.Push(EventCode::kKeyDown, kKeyRight);
  EscAfterSwaps(10);
  Run();
  EXPECT_EQ(state.player.heading, 180.0f);
}

TEST_F(GameMainTest, SpaceFiresOncePerKeyDown) {
  // Space is never released; a second key-down (a repeat) comes after the
  // first shot has ended at the wall ahead, z = 20.
  int flights = 0;
  bool was_active = false;
  renderer.on_draw = [&] {
    if (state.shot.active && !was_active) ++flights;
    was_active = state.shot.active;
  };
  platform.Push(EventCode::kKeyDown, kKeySpace);
  platform.on_swap = [this](int swap) {
    if (swap == 60) platform.Push(EventCode::kKeyDown, kKeySpace);
    if (swap == 70) platform.Push(EventCode::kKeyDown, kKeyEscape);
  };
  Run();
  EXPECT_EQ(flights, 2);
  EXPECT_EQ(state.shot.active, 1);
}

TEST_F(GameMainTest, VictoryFrameIsShownAndItsKeysAppliedBeforeTheEnd) {
  platform.Push(EventCode::kKeyDown, kKeyLeft);
  renderer.on_draw = [&] {
    if (renderer.draws == 3) DestroyAllRobots();
  };
  Run();
  EXPECT_EQ(renderer.draws, 3);
  EXPECT_EQ(platform.swaps, 3);
  EXPECT_EQ(state.player.heading, 189.0f);
  Log expected = {"SwapBuffers"};
  expected.insert(expected.end(), kTeardown.begin(), kTeardown.end());
  expected.push_back("Box INFO: GRATULACJE! WYGRALES!");
  EXPECT_EQ(LogFrom("DrawScene").size(), 3 * 2 + kTeardown.size() + 1);
  EXPECT_EQ(Log(platform.log.end() - static_cast<long>(expected.size()),
                platform.log.end()),
            expected);
  EXPECT_EQ(platform.boxes.back().buttons, BoxButtons::kOk);
  EXPECT_EQ(platform.boxes.back().owner, BoxOwner::kNone);
}

TEST_F(GameMainTest, VictoryBoxFollowsTheTeardownAfterEsc) {
  // Esc held in the frame that destroys the last robot: the loop ends on
  // Esc, and the box still comes.
  platform.Push(EventCode::kKeyDown, kKeyEscape);
  renderer.on_draw = [&] { DestroyAllRobots(); };
  Run();
  EXPECT_EQ(platform.swaps, 0);
  Log expected = kTeardown;
  expected.push_back("Box INFO: GRATULACJE! WYGRALES!");
  EXPECT_EQ(Log(platform.log.end() - static_cast<long>(expected.size()),
                platform.log.end()),
            expected);
}

TEST_F(GameMainTest, CloseEndsTheLoopAndShowsNoBoxWhileRobotsLive) {
  platform.on_swap = [this](int swap) {
    if (swap == 2) platform.Push(EventCode::kClose);
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(platform.swaps, 2);
  EXPECT_EQ(Log(platform.log.end() - static_cast<long>(kTeardown.size()),
                platform.log.end()),
            kTeardown);
  EXPECT_EQ(platform.boxes.size(), 1u);  // only the mode question
}

TEST_F(GameMainTest, CloseAfterAllRobotsAreDestroyedStillCongratulates) {
  platform.on_swap = [this](int swap) {
    if (swap != 1) return;
    DestroyAllRobots();  // after this frame's victory test
    platform.Push(EventCode::kClose);
  };
  Run();
  EXPECT_EQ(renderer.draws, 1);
  EXPECT_EQ(platform.log.back(), "Box INFO: GRATULACJE! WYGRALES!");
}

TEST_F(GameMainTest, TabShowsOrHidesTheHudAtOnceOncePerPress) {
  platform.Push(EventCode::kKeyDown, kKeyTab);  // held through frame 3
  platform.on_swap = [this](int swap) {
    if (swap == 3) {  // let go and pressed again, held
      platform.Push(EventCode::kKeyUp, kKeyTab);
      platform.Push(EventCode::kKeyDown, kKeyTab);
    }
    if (swap == 6) {  // let go, then tapped between two frames
      platform.Push(EventCode::kKeyUp, kKeyTab);
      platform.Push(EventCode::kKeyDown, kKeyTab);
      platform.Push(EventCode::kKeyUp, kKeyTab);
    }
    if (swap == 9) platform.Push(EventCode::kKeyDown, kKeyEscape);
  };
  Run();
  EXPECT_EQ(HudFrames(), "1110001111");
}

#ifndef _WIN32  // control characters in a file name: POSIX only
struct OnePixelRenderer final : ScriptedRenderer {
  using ScriptedRenderer::ScriptedRenderer;
  bool ReadFrame(RgbImage& image) override {
    image = {1, 1, PixelBytes(3)};
    return true;
  }
};

TEST_F(GameMainTest, AScreenshotsNameReachesTheTerminalEscaped) {
  test::TempDirectory temp;
  std::ostringstream notes;
  GameSession session;
  session.fullscreen = false, session.pictures = temp.File("a\x1b[2J"), session.notes = &notes;
  platform.on_swap = [this](int swap) {
    platform.Push(EventCode::kKeyDown, swap == 1 ? 123 : kKeyEscape);  // F12, then Esc
  };
  OnePixelRenderer picture{platform};
  GameMain(state, platform, picture, session);
  EXPECT_NE(notes.str().find("/a\\x1B[2J/vorbexia-"), std::string::npos) << notes.str();
}

TEST_F(GameMainTest, AScreenshotsNameStaysOnTheScreenForTwoSecondsButNotInTheNextOne) {
  test::TempDirectory temp;
  GameSession session;
  session.fullscreen = false, session.pictures = temp.File("pictures");
  platform.on_swap = [this](int swap) {
    if (swap == 1 || swap == 50) platform.Push(EventCode::kKeyDown, 123);  // F12
    if (swap == 2 || swap == 51) platform.Push(EventCode::kKeyUp, 123);
    if (swap == 300) platform.Push(EventCode::kKeyDown, kKeyEscape);
  };
  OnePixelRenderer picture{platform};
  GameMain(state, platform, picture, session);
  // Frame by frame: '+' with the note drawn, '.' without. Frame 2 and 51
  // are the pictures taken.
  std::string notes;
  for (const std::string& entry : platform.log) {
    if (entry == "DrawScene") notes += '.';
    if (entry.rfind("Note ZAPISANO: vorbexia-", 0) == 0) notes.back() = '+';
  }
  EXPECT_EQ(notes.substr(0, 51), ".." + std::string(48, '+') + ".");
  EXPECT_EQ(notes.substr(51), std::string(120, '+') + std::string(notes.size() - 171, '.'));
}
#endif

TEST_F(GameMainTest, AHitRobotFlashesForEightFramesAndTheHudKeepsTheTime) {
  GameSession session;
  session.fullscreen = false, session.hud = true;
  std::string flashes;  // robot 2 each frame: '*' flashing
  renderer.on_draw = [&] {
    flashes += renderer.flashes[2] ? '*' : '.';
    if (renderer.draws == 5) state.robots[2].hp -= 1;  // hit in frame 5's step
    if (renderer.draws == 20) platform.Push(EventCode::kKeyDown, kKeyEscape);
  };
  GameMain(state, platform, renderer, session);
  EXPECT_EQ(flashes.substr(0, 16), ".....********...");
  EXPECT_EQ(renderer.hud.robots, "ROBOTY");
  EXPECT_EQ(renderer.hud.clock, "0:00");  // 20 frames
}

// A victory sound that plays on through `length` waits of the loop; each
// wait goes into the platform's log, and after `quit_after` of them the
// process is asked to end.
class VictorySound final : public SoundOutput {
 public:
  VictorySound(ScriptedPlatform& platform, int length, int quit_after = -1)
      : platform_(platform), length_(length), quit_after_(quit_after) {}
  void Play(Sound sound) override {
    if (sound == Sound::kVictory) platform_.log.push_back("Play victory");
  }
  bool Playing() override { return waits_ < length_; }
  void Wait(int milliseconds) override {
    platform_.log.push_back("Wait " + std::to_string(milliseconds));
    if (++waits_ == quit_after_) platform_.quit_signal = SIGTERM;
  }

 private:
  ScriptedPlatform& platform_;
  int length_, quit_after_, waits_ = 0;
};

class VictorySoundTest : public GameMainTest {
 protected:
  // Wins in the first frame with `sound` and returns the log from the
  // winning swap on.
  Log WinWith(SoundOutput& sound) {
    renderer.on_draw = [this] { DestroyAllRobots(); };
    GameSession session;
    session.seed = 1;
    session.sound = &sound;
    GameMain(state, platform, renderer, session);
    return LogFrom("SwapBuffers");
  }

  static Log Ending(int waits) {
    Log log = {"SwapBuffers", "Play victory"};
    log.insert(log.end(), static_cast<size_t>(waits), "Wait 10");
    log.insert(log.end(), kTeardown.begin(), kTeardown.end());
    log.push_back("Box INFO: GRATULACJE! WYGRALES!");
    return log;
  }
};

TEST_F(VictorySoundTest, TheWindowStaysUntilTheSoundHasPlayed) {
  VictorySound sound(platform, 3);
  EXPECT_EQ(WinWith(sound), Ending(3));
}

TEST_F(VictorySoundTest, AnEndlessSoundIsCutOffAfterTwoSeconds) {
  VictorySound sound(platform, 1000);
  EXPECT_EQ(WinWith(sound), Ending(200));
}

TEST_F(VictorySoundTest, AQuitSignalEndsTheWait) {
  VictorySound sound(platform, 1000, 5);
  EXPECT_EQ(WinWith(sound), Ending(5));
}

}  // namespace
}  // namespace vorbexia
