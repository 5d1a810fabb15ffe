// Before any window: what the command line and the settings file lead to.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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
  };
  const std::vector<std::string_view> args{"--timedemo", demo};
  EXPECT_EQ(RunGame(args, kit), 0) << err.str();
  EXPECT_EQ(made, (std::vector<std::string>{"unattended platform", "game ended",
                                            "platform closed"}));
  EXPECT_EQ(out.str().find("timedemo: 0 frames"), 0u) << out.str();
}

}  // namespace
}  // namespace vorbexia
