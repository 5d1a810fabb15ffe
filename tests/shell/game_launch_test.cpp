// Before any window: what the command line and the settings file lead to.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "image/temp_directory.h"
#include "shell/game_launch.h"
#include "support/scripted_platform.h"

namespace vorbexia {
namespace {

struct Prepare : ::testing::Test {
  test::TempDirectory folder;
  std::string settings = folder.File("vorbexia.conf");
  std::ostringstream out, err;
  std::optional<int> Run(Launch& launch, std::vector<std::string_view> args) {
    return PrepareLaunch(args, 7, UserFolders{settings, "", ""}, launch, out, err);
  }
};

TEST_F(Prepare, ATimedemoTakesNoStartModeFromTheSettings) {
  std::ofstream(settings) << "start = fullscreen\n";
  std::ofstream(folder.File("game.demo")) << "vorbexia-demo 1\nseed 3\n";
  Launch launch;
  ASSERT_FALSE(Run(launch, {"--timedemo", folder.File("game.demo")})) << err.str();
  EXPECT_FALSE(launch.session.fullscreen);
}

TEST_F(Prepare, ARecordingIntoTheSettingsFileIsRefused) {
  std::ofstream(settings) << "hud = on\n";
  Launch named, usual;
  EXPECT_EQ(Run(named, {"--config", settings, "--record", settings}), 2);
  EXPECT_EQ(Run(usual, {"--record", folder.File("./vorbexia.conf")}), 2);
  EXPECT_FALSE(std::filesystem::exists(settings + ".part"));
}

TEST_F(Prepare, HelpOrVersionThatCannotBeWrittenFails) {
  out.setstate(std::ios::badbit);  // as on a full disk
  Launch help, version;
  EXPECT_EQ(Run(help, {"--help"}), 1);
  EXPECT_EQ(Run(version, {"--version"}), 1);
  EXPECT_EQ(err.str().find("vorbexia: cannot write the usage"), 0u) << err.str();
}

// A platform that notes its closing, for the order of the launch's last steps.
struct Closing final : ScriptedPlatform {
  std::vector<std::string>& made;
  explicit Closing(std::vector<std::string>& into) : made(into) {}
  ~Closing() override { made.push_back("platform closed"); }
};

TEST_F(Prepare, ATimedemoRunsUnattendedAndSilentAndEndsBeforeItsPlatformCloses) {
  const std::string demo = folder.File("game.demo");
  std::ofstream(demo) << "vorbexia-demo 1\nseed 3\n";
  std::vector<std::string> made;
  Closing* platform = nullptr;
  const PlatformKit kit{
      .time_seed = 7, .folders = {settings, "", ""}, .out = out, .err = err,
      .make_platform = [&](bool paced, bool unattended) -> std::unique_ptr<Platform> {
        made.push_back(paced || !unattended ? "attended platform" : "unattended platform");
        return std::unique_ptr<Platform>(platform = new Closing(made));
      },
      .make_renderer = [&](ReaderBox) -> std::unique_ptr<Renderer> {
        return std::make_unique<ScriptedRenderer>(*platform);
      },
      .open_sound = [&](int) -> std::unique_ptr<SoundOutput> { ADD_FAILURE(); return nullptr; },
      .ended_before_game = {},
      .game_ended = [&] { made.push_back("game ended"); },
      .err_is_terminal = false,
  };
  const std::vector<std::string_view> args{"--timedemo", demo};
  EXPECT_EQ(RunGame(args, kit), 0) << err.str();
  EXPECT_EQ(made, (std::vector<std::string>{"unattended platform", "game ended",
                                            "platform closed"}));
  EXPECT_EQ(out.str().find("timedemo: 0 frames"), 0u) << out.str();
}

// A timedemo of three frames, with standard error a terminal or not: the
// progress on the terminal only, ended by a newline; the figures' lines
// the same either way.
TEST_F(Prepare, ATimedemoTellsItsProgressOnATerminalOnly) {
  const std::string demo = folder.File("game.demo");
  std::ofstream(demo) << "vorbexia-demo 1\nseed 3\nU\nU\nS\n";
  std::string figures[2], told[2];
  for (const bool terminal : {false, true}) {
    std::ostringstream out, err;
    ScriptedPlatform* platform = nullptr;
    const PlatformKit kit{
        .time_seed = 7, .folders = {settings, "", ""}, .out = out, .err = err,
        .make_platform = [&](bool, bool) -> std::unique_ptr<Platform> {
          return std::unique_ptr<Platform>(platform = new ScriptedPlatform);
        },
        .make_renderer = [&](ReaderBox) -> std::unique_ptr<Renderer> {
          return std::make_unique<ScriptedRenderer>(*platform);
        },
        .open_sound = {}, .ended_before_game = {}, .game_ended = {},
        .err_is_terminal = terminal,
    };
    const std::vector<std::string_view> args{"--timedemo", demo};
    EXPECT_EQ(RunGame(args, kit), 0) << err.str();
    figures[terminal] = std::regex_replace(out.str(), std::regex("[0-9.]+ seconds, [0-9.]+ fps"), "");
    told[terminal] = err.str();
  }
  EXPECT_EQ(figures[0], figures[1]);
  EXPECT_EQ(figures[1].find("timedemo: 3 frames"), 0u) << figures[1];
  EXPECT_EQ(told[0], "");
  EXPECT_EQ(told[1], "\rvorbexia: timedemo frame 1 of 3\n");  // three frames: well within a second
}

// At most a line a second, each over the one before.
TEST(TimedemoProgress, TellsAFrameAtMostOnceASecond) {
  std::ostringstream err;
  double now = 0.0;
  TimedemoProgress progress(err, 500, [&] { return now; });
  for (const double at : {0.0, 0.5, 0.99, 1.0, 1.7, 2.5}) {
    now = at;
    progress.Frame(static_cast<uint64_t>(at * 100) + 1);
  }
  progress.Finish();
  EXPECT_EQ(err.str(), "\rvorbexia: timedemo frame 1 of 500\rvorbexia: timedemo frame 101 of 500"
                       "\rvorbexia: timedemo frame 251 of 500\n");
}

}  // namespace
}  // namespace vorbexia
