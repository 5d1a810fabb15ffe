// libFuzzer target for user-dirs.dirs as the game reads it for the
// screenshots' folder (PicturesFromUserDirs). The folder it gives is none
// or an absolute path the system can take (no NUL byte, which would cut the
// name short and send a screenshot elsewhere), without a trailing slash,
// never the home itself; and a good line added at the end always wins.
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz_checks.h"
#include "platform/sdl/xdg_folders.h"

namespace {

using vorbexia::fuzz::Require;

std::string Pictures(const std::string& text, const std::string& home) {
  std::istringstream in(text);
  return vorbexia::PicturesFromUserDirs(in, home);
}

void CheckFolder(const std::string& folder, const std::string& home) {
  if (folder.empty()) return;
  Require(folder.front() == '/', "the pictures folder is absolute");
  Require(folder.find('\0') == std::string::npos, "the pictures folder has no NUL byte");
  Require(folder.find('\n') == std::string::npos, "the pictures folder is on one line");
  Require(folder == "/" || folder.back() != '/', "no trailing slash");
  Require(folder != home, "the home itself is no pictures folder");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (const std::string home : {"/home/ola", "/", ""}) {
    CheckFolder(Pictures(text, home), home);
  }
  Require(Pictures(text + "\nXDG_PICTURES_DIR=\"/srv/zdjecia\"\n", "/home/ola") == "/srv/zdjecia",
          "the last line naming the folder counts");
  return 0;
}
