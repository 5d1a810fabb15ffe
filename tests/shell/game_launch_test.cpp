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
  std::string demo = folder.File("game.demo");
  Launch launch;
  std::ostringstream out, err;

  void SetUp() override { std::ofstream(demo) << "vorbexia-demo 1\nseed 3\nU\n"; }
  std::optional<int> Run(std::vector<std::string_view> args) {
    return PrepareLaunch(args, 7, UserFolders{settings, ""}, launch, out, err);
  }
};

TEST_F(Prepare, ATimedemoPlaysInAWindowWhateverTheSettingsStartWith) {
  for (const char* start : {"fullscreen", "desktop"}) {
    std::ofstream(settings) << "start = " << start << "\n";
    launch = Launch{};
    ASSERT_FALSE(Run({"--timedemo", demo})) << err.str();
    EXPECT_FALSE(launch.session.fullscreen.has_value()) << start;
    EXPECT_FALSE(launch.session.desktop) << start;
  }
  // A replay answers the mode question as the settings say.
  launch = Launch{};
  ASSERT_FALSE(Run({"--replay", demo})) << err.str();
  EXPECT_TRUE(launch.session.desktop);
}

TEST_F(Prepare, ARecordingNeverReplacesTheSettingsFile) {
  for (const std::string& named : {settings, folder.File("./vorbexia.conf")}) {
    std::ofstream(settings) << "hud = on\n";
    launch = Launch{}, err.str("");
    EXPECT_EQ(Run({"--config", settings, "--record", named}), 2);
    EXPECT_NE(err.str().find("the settings file"), std::string::npos) << err.str();
    EXPECT_FALSE(std::filesystem::exists(settings + ".part"));
  }
  launch = Launch{};
  EXPECT_EQ(Run({"--record", settings}), 2);  // the usual settings file
}

TEST_F(Prepare, HelpOrVersionThatCannotBeWrittenFails) {
  for (const char* option : {"--help", "--version"}) {
    launch = Launch{}, err.str("");
    out.setstate(std::ios::badbit);  // as on a full disk
    EXPECT_EQ(Run({option}), 1) << option;
    EXPECT_EQ(err.str().rfind("vorbexia: cannot write the ", 0), 0u) << err.str();
  }
}

}  // namespace
}  // namespace vorbexia
