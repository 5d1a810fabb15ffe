// Recording and playing back demos through the game's own loop, on the
// scripted platform.
#include <gtest/gtest.h>

#include <sstream>

#include "controls/key_codes.h"
#include "demo/replay.h"
#include "shell/command_line.h"
#include "shell/game_launch.h"
#include "support/scripted_platform.h"

namespace vorbexia {
namespace {

constexpr uint32_t kSeed = 7;

struct Game {
  ScriptedPlatform platform;
  ScriptedRenderer renderer{platform};
  GameState state;

  // Runs after each swap; swap counts from 1.
  void AtSwap(int swap, Event event) {
    auto before = platform.on_swap;
    platform.on_swap = [=, this](int now) {
      if (before) before(now);
      if (now == swap) platform.events.push_back(event);
    };
  }

  void Run(GameSession& session) {
    platform.answers = {BoxAnswer::kNo};
    GameMain(state, platform, renderer, session);
  }
};

// Minimised with the keyboard still on the window (SDL tells of the focus
// apart): the keys held stay held and still move the player.
Event Minimised(bool minimised) {
  return Event{.code = EventCode::kActivate, .minimised = minimised, .focus = true};
}

Demo ReadBack(const std::string& text) {
  std::istringstream in(text);
  Demo demo;
  std::string error;
  EXPECT_TRUE(ReadDemo(in, demo, error)) << error;
  return demo;
}

// Walk, turn, fire, a minimised stretch, then Esc.
std::string RecordAGame(GameState& final_state) {
  std::ostringstream file;
  DemoRecorder recorder(file, kSeed);
  Game game;
  game.AtSwap(1, Event{EventCode::kKeyDown, kKeyUp});
  game.AtSwap(4, Event{EventCode::kKeyDown, kKeyLeft});
  game.AtSwap(5, Event{EventCode::kKeyDown, kKeySpace});
  game.AtSwap(6, Minimised(true));
  game.AtSwap(8, Minimised(false));
  game.AtSwap(9, Event{EventCode::kKeyUp, kKeyUp});
  game.AtSwap(14, Event{EventCode::kKeyDown, kKeyEscape});
  GameSession session;
  session.seed = kSeed;
  session.recorder = &recorder;
  game.Run(session);
  final_state = game.state;
  EXPECT_EQ(recorder.frames(), 15u);  // the Esc frame stepped the world
  return file.str();
}

TEST(Demo, ARecordedGameReplaysToTheSameStateInTheGameAndTheSimulator) {
  GameState recorded;
  const std::string text = RecordAGame(recorded);
  const Demo demo = ReadBack(text);
  EXPECT_EQ(DemoFrameLine(demo.frames[1]), "U");
  EXPECT_EQ(DemoFrameLine(demo.frames[5]), "ULS");
  EXPECT_EQ(DemoFrameLine(demo.frames[6]), "-UL");
  EXPECT_EQ(DemoFrameLine(demo.frames[14]), "");

  Game replay;
  GameSession session;
  session.seed = demo.seed;
  session.replay = &demo.frames;
  // The keyboard is ignored, except Esc.
  replay.AtSwap(2, Event{EventCode::kKeyDown, kKeyDown});
  replay.AtSwap(3, Event{EventCode::kKeyDown, kKeySpace});
  replay.Run(session);
  EXPECT_EQ(session.frames, 15u);
  const std::string expected = FormatStateLine(15, recorded);
  EXPECT_EQ(FormatStateLine(session.frames, replay.state), expected);
  EXPECT_EQ(replay.renderer.draws, 13);  // two frames minimised

  std::ostringstream sim;
  const GameState simulated = RunReplay(demo.seed, demo.frames, demo.frames.size(), sim);
  EXPECT_EQ(FormatStateLine(15, simulated), expected);
}

TEST(Demo, PlaybackEndsAtTheVictoryFrameAndATimedemoShowsNoBox) {
  const Demo demo = ReadBack("vorbexia-demo 1\nseed 1\nU\nU\nU\nU\nU\nU\n");
  Game replay;
  replay.renderer.on_draw = [&replay] {
    if (replay.renderer.draws == 3) {
      for (RobotState& robot : replay.state.robots) robot.hp = 0;
    }
  };
  GameSession session;
  session.seed = demo.seed;
  session.replay = &demo.frames;
  session.silent = true;
  replay.Run(session);
  EXPECT_EQ(session.frames, 3u);
  EXPECT_TRUE(session.loop_ran);
  EXPECT_TRUE(replay.platform.boxes.empty());
  EXPECT_EQ(replay.platform.log[0], "OpenDisplay");
}

TEST(Demo, ARecordingThatFailsOnTheWayIsReportedAfterTheGame) {
  std::ostringstream file;
  Launch launch;
  launch.path_shown = "game.demo";
  launch.recorder = std::make_unique<DemoRecorder>(file, kSeed);
  launch.session.recorder = launch.recorder.get();
  Game game;
  game.platform.answers = {BoxAnswer::kNo};
  game.platform.on_swap = [&](int swap) {
    if (swap == 3) file.setstate(std::ios::badbit);  // the disk is full
    if (swap == 5) game.platform.Push(EventCode::kKeyDown, kKeyEscape);
  };
  std::ostringstream out, err;
  EXPECT_EQ(RunLaunch(launch, game.state, game.platform, game.renderer, out, err), 1);
  ASSERT_EQ(game.platform.boxes.size(), 2u);
  EXPECT_EQ(game.platform.boxes[1].caption, "ERROR");
  EXPECT_NE(game.platform.boxes[1].text.find("holds the first 2 frames only"),
            std::string::npos);
  EXPECT_NE(err.str().find("Cannot write the demo 'game.demo'"), std::string::npos);
}

TEST(CommandLine, RefusesWhatCannotGoTogether) {
  const std::vector<std::vector<std::string_view>> bad = {
      {"--seed"}, {"--seed", "1x"}, {"--seed", "1", "--seed", "2"},
      {"--windowed", "--fullscreen"}, {"--record", "a", "--replay", "b"},
      {"--replay", "a", "--seed", "3"}, {"--timedemo", "a", "--seed", "3"},
      {"--replay"}, {"--frames", "3"}, {"--hud", "--hud"}, {"--mute", "--mute"}};
  for (const auto& args : bad) {
    CommandLine line;
    std::string error;
    EXPECT_FALSE(ParseCommandLine(args, line, error)) << args[0];
    EXPECT_FALSE(error.empty());
  }
  CommandLine line;
  std::string error;
  const std::vector<std::string_view> twice = {"--windowed", "--windowed"};
  EXPECT_FALSE(ParseCommandLine(twice, line, error));
  EXPECT_EQ(error, "repeated option --windowed");
  const std::vector<std::string_view> good = {"--fullscreen", "--seed", "0",
                                              "--record", "x.demo"};
  ASSERT_TRUE(ParseCommandLine(good, line, error));
  EXPECT_EQ(line.fullscreen, true);
  EXPECT_EQ(line.seed, 0u);
  EXPECT_EQ(line.demo, DemoUse::kRecord);
}

}  // namespace
}  // namespace vorbexia
