// A test that runs inside a directory of its own holding a copy of the
// game's textures/, so that it may break or remove one picture.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "image/temp_directory.h"

namespace vorbexia::test {

inline const char* const kTextureNames[7] = {"brick", "deska", "panel", "niebieski",
                                             "qq",    "robot", "plasma"};

inline std::string TexturePath(int slot) {
  return std::string("textures/") + kTextureNames[slot] + ".bmp";
}

class TextureDirectory : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::filesystem::copy(previous_ / "textures", std::filesystem::path(dir_.path()) / "textures");
    std::filesystem::current_path(dir_.path());
  }
  void TearDown() override { std::filesystem::current_path(previous_); }

  void Replace(int slot, const std::vector<uint8_t>& bytes) {
    dir_.Write(TexturePath(slot), bytes);
  }
  void Remove(int slot) { std::filesystem::remove(dir_.File(TexturePath(slot))); }

  TempDirectory dir_;
  std::filesystem::path previous_;
};

}  // namespace vorbexia::test
