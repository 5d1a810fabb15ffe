#include "platform/sdl/xdg_folders.h"

#include <cstdlib>
#include <sstream>

#include "files/input_file.h"

namespace vorbexia {
namespace {

// The value of an environment variable, empty when unset.
std::string Variable(const EnvironmentLookup& environment, const char* name) {
  const char* value = environment(name);
  return value != nullptr ? value : "";
}

// xdg-user-dirs writes a dozen short lines; a longer file is not its.
constexpr size_t kMaxUserDirsBytes = 64 * 1024;

bool Absolute(const std::string& path) { return !path.empty() && path[0] == '/'; }

// The path without trailing slashes; the root stays "/".
std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// `folder` + "/" + `name`, with a single slash after the root too.
std::string Join(const std::string& folder, const std::string& name) {
  return folder == "/" ? folder + name : folder + "/" + name;
}

void SkipBlanks(const std::string& line, size_t& at) {
  while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
}

// The folder one line of user-dirs.dirs gives the pictures, or false when
// the line does not name it.
bool ParsePicturesLine(const std::string& line, const std::string& home,
                       std::string& folder) {
  static const std::string kKey = "XDG_PICTURES_DIR";
  size_t at = 0;
  SkipBlanks(line, at);
  if (line.compare(at, kKey.size(), kKey) != 0) return false;
  at += kKey.size();
  SkipBlanks(line, at);
  if (at >= line.size() || line[at] != '=') return false;
  SkipBlanks(line, ++at);
  if (at >= line.size() || line[at] != '"') return false;
  ++at;
  bool under_home = false;
  if (line.compare(at, 5, "$HOME") == 0) {
    at += 5;
    if (at < line.size() && line[at] == '/') {
      ++at;
    } else if (at < line.size() && line[at] != '"') {
      return false;  // $HOMEWHATEVER is no path
    }
    under_home = true;
  } else if (at >= line.size() || line[at] != '/') {
    return false;  // neither under the home nor absolute
  }
  std::string value;
  for (; at < line.size() && line[at] != '"'; ++at) {
    if (line[at] == '\\' && at + 1 < line.size()) ++at;
    value += line[at];
  }
  // A NUL byte would cut the path short at the system's calls and send the
  // screenshots elsewhere: such a line names no folder.
  if (value.find('\0') != std::string::npos) return false;
  if (!under_home) {
    folder = value;
  } else if (home.empty()) {
    return false;
  } else {
    folder = value.empty() ? home : Join(home, value);
  }
  return true;
}

}  // namespace

std::string PicturesFromUserDirs(std::istream& user_dirs, const std::string& home) {
  std::string folder, line;
  while (std::getline(user_dirs, line)) ParsePicturesLine(line, home, folder);
  folder = WithoutTrailingSlash(folder);
  return folder == home ? "" : folder;
}

UserFolders XdgUserFolders(const EnvironmentLookup& environment) {
  const std::string home_variable = Variable(environment, "HOME");
  const std::string home = Absolute(home_variable) ? WithoutTrailingSlash(home_variable) : "";
  std::string config = WithoutTrailingSlash(Variable(environment, "XDG_CONFIG_HOME"));
  if (!Absolute(config)) config = home.empty() ? "" : Join(home, ".config");

  UserFolders folders;
  if (!config.empty()) folders.settings_file = Join(config, "vorbexia/vorbexia.conf");

  std::string pictures = WithoutTrailingSlash(Variable(environment, "XDG_PICTURES_DIR"));
  if (!Absolute(pictures)) {
    pictures.clear();
    // Read before anything else, --version too: a FIFO there must not hold
    // the game up, nor /dev/zero fill its memory. A file that cannot be
    // read is not used, as xdg-user-dir does: the screenshot's own line
    // names the folder it went to.
    std::string text, why;
    if (!config.empty() &&
        ReadSmallTextFile(Join(config, "user-dirs.dirs"), kMaxUserDirsBytes, text, why) ==
            TextRead::kRead) {
      std::istringstream user_dirs(text);
      pictures = PicturesFromUserDirs(user_dirs, home);
    }
    if (pictures.empty() && !home.empty()) pictures = Join(home, "Pictures");
  }
  if (!pictures.empty()) folders.pictures = Join(pictures, "Vorbexia");

  std::string data = WithoutTrailingSlash(Variable(environment, "XDG_DATA_HOME"));
  if (!Absolute(data)) data = home.empty() ? "" : Join(home, ".local/share");
  if (!data.empty()) folders.data = Join(data, "vorbexia");
  return folders;
}

UserFolders FindUserFolders() {
  return XdgUserFolders([](const char* name) { return std::getenv(name); });
}

}  // namespace vorbexia
