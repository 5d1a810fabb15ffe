// Before any window: what the command line and the settings file lead to.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "image/temp_directory.h"
#include "shell/game_launch.h"

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

}  // namespace
}  // namespace vorbexia
