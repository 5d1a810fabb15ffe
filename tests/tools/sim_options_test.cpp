// The command line of vorbexia-sim.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim_options.h"

namespace vorbexia {
namespace {

bool ParseArgs(std::vector<std::string_view> args, ReplayOptions& options,
               std::string& error) {
  return ParseReplayOptions(args, options, error);
}

TEST(ParseReplayOptions, SeedAloneOrWithFrames) {
  ReplayOptions options;
  std::string error;
  ASSERT_TRUE(ParseArgs({"--seed", "4294967295"}, options, error));
  EXPECT_EQ(options.seed, 4294967295u);
  EXPECT_FALSE(options.frames.has_value());
  ASSERT_TRUE(ParseArgs({"--frames", "0", "--seed", "7"}, options, error));
  EXPECT_EQ(options.seed, 7u);
  EXPECT_EQ(options.frames, 0u);
}

TEST(ParseReplayOptions, RefusesMissingMalformedAndUnknown) {
  const std::vector<std::vector<std::string_view>> bad = {
      {},
      {"--frames", "10"},
      {"--seed"},
      {"--seed", ""},
      {"--seed", "12a"},
      {"--seed", "-1"},
      {"--seed", "+1"},
      {"--seed", " 1"},
      {"--seed", "4294967296"},
      {"--seed", "1", "--frames"},
      {"--seed", "1", "--frames", "-5"},
      {"--seed", "1", "--frames", "1.5"},
      {"--seed", "1", "--speed", "2"},
      {"--seed", "1", "extra"},
      {"--seed", "1", "--seed", "1"},
      {"--seed", "1", "--frames", "2", "--frames", "2"},
      {"--seed", "1", "\n--frames"},
  };
  for (const auto& args : bad) {
    ReplayOptions options;
    std::string error;
    EXPECT_FALSE(ParseArgs(args, options, error)) << ::testing::PrintToString(args);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(error.find('\n'), std::string::npos);
  }
}

TEST(ParseReplayOptions, HelpAloneIsARunAndNamesEveryOption) {
  ReplayOptions options;
  std::string error;
  ASSERT_TRUE(ParseArgs({"--help"}, options, error));
  EXPECT_TRUE(options.help);
  EXPECT_FALSE(ParseArgs({"--help", "--help"}, options, error));
  EXPECT_FALSE(ParseArgs({"--help", "--seed", "x"}, options, error));
  for (const char* option : {"--seed S", "--demo FILE", "--frames N", "--help"}) {
    EXPECT_NE(SimUsageText().find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace vorbexia
