// Which folder the pictures come from: the working directory's textures/
// whenever there is one, else the installed copy.
#include <gtest/gtest.h>

#include <filesystem>

#include "image/texture_folder.h"
#include "temp_directory.h"

namespace vorbexia::test {
namespace {

TEST(TextureBase, WorkingDirectoryFolderWinsElseTheInstalledCopy) {
  EXPECT_EQ(TextureBase(true, "/usr/share/games/vorbexia"), "");
  EXPECT_EQ(TextureBase(false, "/usr/share/games/vorbexia") + "textures/qq.bmp",
            "/usr/share/games/vorbexia/textures/qq.bmp");
  EXPECT_EQ(TextureBase(false, ""), "");  // no installed copy
}

// A file named "textures" is no folder: the installed copy is read, if any.
TEST(TextureBase, FileNamedTexturesIsNoFolder) {
  TempDirectory dir;
  dir.Write("textures", {1, 2, 3});
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  const std::string in_file_case = CurrentTextureBase();
  std::filesystem::create_directory(std::filesystem::path(dir.path()) / "inner");
  std::filesystem::current_path(std::filesystem::path(dir.path()) / "inner");
  const std::string in_empty_case = CurrentTextureBase();
  std::filesystem::current_path(previous);
  EXPECT_EQ(in_file_case, in_empty_case);
  EXPECT_EQ(CurrentTextureBase(), "");  // the source tree has textures/
}

}  // namespace
}  // namespace vorbexia::test
