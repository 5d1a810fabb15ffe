// The XDG folders: the settings under $XDG_CONFIG_HOME or ~/.config, the
// pictures from the environment, user-dirs.dirs or ~/Pictures.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "image/temp_directory.h"
#include "platform/sdl/xdg_folders.h"

namespace vorbexia {
namespace {

using Environment = std::map<std::string, std::string>;

UserFolders Find(const Environment& environment) {
  return XdgUserFolders([&](const char* name) -> const char* {
    const auto found = environment.find(name);
    return found == environment.end() ? nullptr : found->second.c_str();
  });
}

std::string Pictures(const std::string& user_dirs) {
  std::istringstream in(user_dirs);
  return PicturesFromUserDirs(in, "/home/ola");
}

TEST(XdgUserFolders, SettingsUnderTheConfigHomeOrDotConfig) {
  EXPECT_EQ(Find({{"HOME", "/home/ola"}}).settings_file,
            "/home/ola/.config/vorbexia/vorbexia.conf");
  EXPECT_EQ(Find({{"HOME", "/home/ola/"}, {"XDG_CONFIG_HOME", ""}}).settings_file,
            "/home/ola/.config/vorbexia/vorbexia.conf");
  EXPECT_EQ(Find({{"HOME", "/home/ola"}, {"XDG_CONFIG_HOME", "conf"}}).settings_file,
            "/home/ola/.config/vorbexia/vorbexia.conf");  // relative: ignored
  EXPECT_EQ(Find({{"HOME", "/home/ola"}, {"XDG_CONFIG_HOME", "/etc/ola/"}}).settings_file,
            "/etc/ola/vorbexia/vorbexia.conf");
  const UserFolders homeless = Find({});
  EXPECT_EQ(homeless.settings_file, "");
  EXPECT_EQ(homeless.pictures, "");
}

TEST(XdgUserFolders, PicturesFromTheEnvironmentThenUserDirsThenHome) {
  test::TempDirectory config;
  Environment environment = {{"HOME", "/home/ola"}, {"XDG_CONFIG_HOME", config.path()}};
  EXPECT_EQ(Find(environment).pictures, "/home/ola/Pictures/Vorbexia");
  config.Write("user-dirs.dirs", {});
  EXPECT_EQ(Find(environment).pictures, "/home/ola/Pictures/Vorbexia");
  const std::string line = "XDG_PICTURES_DIR=\"$HOME/Obrazy\"\n";
  config.Write("user-dirs.dirs", std::vector<uint8_t>(line.begin(), line.end()));
  EXPECT_EQ(Find(environment).pictures, "/home/ola/Obrazy/Vorbexia");
  // A file far longer than any xdg-user-dirs writes is not read.
  const std::string long_file = std::string(70000, '#') + "\n" + line;
  config.Write("user-dirs.dirs", std::vector<uint8_t>(long_file.begin(), long_file.end()));
  EXPECT_EQ(Find(environment).pictures, "/home/ola/Pictures/Vorbexia");
  config.Write("user-dirs.dirs", std::vector<uint8_t>(line.begin(), line.end()));
  environment["XDG_PICTURES_DIR"] = "zdjecia";  // relative: ignored
  EXPECT_EQ(Find(environment).pictures, "/home/ola/Obrazy/Vorbexia");
  environment["XDG_PICTURES_DIR"] = "/media/zdjecia/";
  EXPECT_EQ(Find(environment).pictures, "/media/zdjecia/Vorbexia");
}

TEST(PicturesFromUserDirs, ReadAsXdgUserDirsWritesIt) {
  EXPECT_EQ(Pictures("# comment\nXDG_DESKTOP_DIR=\"$HOME/Pulpit\"\n"
                     "XDG_PICTURES_DIR=\"$HOME/Obrazy\"\n"),
            "/home/ola/Obrazy");
  EXPECT_EQ(Pictures("  XDG_PICTURES_DIR = \"/srv/Zdj\\\"ecia\\\\\"\n"), "/srv/Zdj\"ecia\\");
  EXPECT_EQ(Pictures("XDG_PICTURES_DIR=\"/a\"\nXDG_PICTURES_DIR=\"/b/\"\n"), "/b");
  // The home itself marks the folder unset.
  EXPECT_EQ(Pictures("XDG_PICTURES_DIR=\"$HOME/\"\n"), "");
  EXPECT_EQ(Pictures("XDG_PICTURES_DIR=\"$HOME\"\n"), "");
  EXPECT_EQ(Pictures("XDG_PICTURES_DIR=\"/home/ola\"\n"), "");
  // Not a path the file can give: relative, unquoted, another variable.
  EXPECT_EQ(Pictures("XDG_PICTURES_DIR=\"Obrazy\"\n"), "");
  EXPECT_EQ(Pictures("XDG_PICTURES_DIR=$HOME/Obrazy\n"), "");
  EXPECT_EQ(Pictures("XDG_PICTURES_DIR=\"$HOMEOBRAZY\"\n"), "");
  EXPECT_EQ(Pictures("#XDG_PICTURES_DIR=\"/a\"\nXDG_PICTURES_DIRS=\"/b\"\n"), "");
  // A NUL byte would cut the path short at the system's calls: such a line
  // names no folder, and the one before it stands.
  using namespace std::string_literals;
  EXPECT_EQ(Pictures("XDG_PICTURES_DIR=\"/a\"\nXDG_PICTURES_DIR=\"/b\0c\"\n"s), "/a");
}

}  // namespace
}  // namespace vorbexia
