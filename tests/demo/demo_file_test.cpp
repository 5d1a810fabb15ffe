#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "demo/demo_file.h"

namespace vorbexia {
namespace {

bool Read(const std::string& text, Demo& demo, std::string& error) {
  std::istringstream in(text);
  return ReadDemo(in, demo, error);
}

std::string Error(const std::string& text) {
  Demo demo;
  std::string error;
  EXPECT_FALSE(Read(text, demo, error)) << text.substr(0, 40);
  return error;
}

TEST(ReadDemo, ReadsSeedFramesAndInactiveFramesWithEitherLineEnd) {
  Demo demo;
  std::string error;
  ASSERT_TRUE(Read("vorbexia-demo 1\r\nseed 4294967295\r\nU\r\nSU\n\n-L", demo, error))
      << error;
  EXPECT_EQ(demo.seed, 4294967295u);
  ASSERT_EQ(demo.frames.size(), 4u);
  EXPECT_EQ(demo.frames[0], (FrameKeys{true, false, false, false, false, false}));
  EXPECT_EQ(demo.frames[1], (FrameKeys{true, false, false, false, true, false}));
  EXPECT_EQ(demo.frames[2], FrameKeys{});
  EXPECT_EQ(demo.frames[3], (FrameKeys{false, false, false, true, false, true}));
  EXPECT_EQ(DemoFrameLine(demo.frames[3]), "-L");
}

TEST(ReadDemo, NamesTheBadLine) {
  EXPECT_EQ(Error(""), "line 1: not a demo file (expected 'vorbexia-demo 1')");
  EXPECT_EQ(Error("vorbexia-demo 2\nseed 1\n").substr(0, 8), "line 1: ");
  EXPECT_EQ(Error("vorbexia-demo 1\nseed 4294967296\n"),
            "line 2: expected 'seed N' with N from 0 to 4294967295");
  EXPECT_EQ(Error("vorbexia-demo 1\nseed -1\n").substr(0, 8), "line 2: ");
  EXPECT_EQ(Error("vorbexia-demo 1\nseed 1\nU\nU-\n"), "line 4: unknown key '-'");
  EXPECT_EQ(Error("vorbexia-demo 1\nseed 1\nU\x01\n"), "line 3: unknown key '\\x01'");
}

TEST(ReadDemo, RefusesALongLineWithoutHoldingIt) {
  const std::string line(1 << 20, 'U');
  EXPECT_EQ(Error("vorbexia-demo 1\nseed 1\n\n" + line), "line 4: line too long");
  EXPECT_EQ(Error(line).substr(0, 8), "line 1: ");
}

}  // namespace
}  // namespace vorbexia
