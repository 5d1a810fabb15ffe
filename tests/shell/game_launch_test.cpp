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
    return PrepareLaunch(args, 7, UserFolders{settings, ""}, launch, out, err);
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

// The sequence every entry point runs, on a system that notes what it makes.
struct Game : Prepare {
  std::vector<std::string> made;
  struct Closing final : ScriptedPlatform {
    std::vector<std::string>& made;
    explicit Closing(std::vector<std::string>& into) : made(into) {}
    ~Closing() override { made.push_back("platform closed"); }
  };
  ScriptedPlatform* platform = nullptr;
  int Run(std::vector<std::string_view> args) {
    const PlatformKit kit{
        .time_seed = 7, .folders = {settings, ""}, .out = out, .err = err,
        .make_platform = [this](bool paced, bool unattended) -> std::unique_ptr<Platform> {
          made.push_back(std::string(paced ? "paced" : "unpaced") +
                         (unattended ? " unattended" : "") + " platform");
          auto made_platform = std::make_unique<Closing>(made);
          platform = made_platform.get();
          return made_platform;
        },
        .make_renderer = [this](ReaderBox) -> std::unique_ptr<Renderer> {
          made.push_back("renderer");
          return std::make_unique<ScriptedRenderer>(*platform);
        },
        .open_sound = [this](int volume) -> std::unique_ptr<SoundOutput> {
          made.push_back("sound " + std::to_string(volume));
          return nullptr;
        },
        .ended_before_game = [this] { made.push_back("ended before a game"); },
        .game_ended = [this] { made.push_back("game ended"); },
    };
    return RunGame(args, kit);
  }
};

TEST_F(Game, ARefusalMakesNoPlatform) {
  EXPECT_EQ(Run({"--bogus"}), 2);
  EXPECT_EQ(made, (std::vector<std::string>{"ended before a game"}));
}

TEST_F(Game, ATimedemoRunsUnattendedAndSilentAndEndsBeforeItsPlatformCloses) {
  std::ofstream(folder.File("game.demo")) << "vorbexia-demo 1\nseed 3\n";
  EXPECT_EQ(Run({"--timedemo", folder.File("game.demo"), "--volume", "40"}), 0) << err.str();
  EXPECT_EQ(made, (std::vector<std::string>{"unpaced unattended platform", "renderer",
                                            "game ended", "platform closed"}));
  EXPECT_EQ(out.str().find("timedemo: 0 frames"), 0u) << out.str();
}

}  // namespace
}  // namespace vorbexia
