#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "demo/key_script.h"
#include "demo/replay.h"
#include "world/world.h"

namespace vorbexia {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}


TEST(ParseFrameKeys, ReadsEveryKeyLetter) {
  FrameKeys keys;
  std::string error;
  ASSERT_TRUE(ParseFrameKeys("SLRDU", keys, error));
  EXPECT_EQ(keys, (FrameKeys{true, true, true, true, true}));
  ASSERT_TRUE(ParseFrameKeys("R", keys, error));
  EXPECT_EQ(keys, (FrameKeys{false, false, true, false, false}));
  ASSERT_TRUE(ParseFrameKeys("", keys, error));
  EXPECT_EQ(keys, FrameKeys{});
}

TEST(ParseFrameKeys, RefusesAnythingElse) {
  FrameKeys keys;
  for (const char* line : {"X", "u", "U D", "U\r", "S1"}) {
    std::string error;
    EXPECT_FALSE(ParseFrameKeys(line, keys, error)) << line;
    EXPECT_NE(error.find("unknown key"), std::string::npos) << line;
  }
}

TEST(ReadKeyScript, OneFramePerLineEmptyLinesIncluded) {
  std::istringstream in("U\n\nRS\n");
  KeyScript script;
  std::string error;
  ASSERT_TRUE(ReadKeyScript(in, script, error));
  ASSERT_EQ(script.size(), 3u);
  EXPECT_TRUE(script[0].forward);
  EXPECT_EQ(script[1], FrameKeys{});
  EXPECT_TRUE(script[2].right && script[2].fire);
}

TEST(ReadKeyScript, LastLineWithoutLineEndCounts) {
  std::istringstream in("U\nL");
  KeyScript script;
  std::string error;
  ASSERT_TRUE(ReadKeyScript(in, script, error));
  EXPECT_EQ(script.size(), 2u);
}

TEST(ReadKeyScript, NamesTheBadLine) {
  std::istringstream in("U\n\nUQ\nD\n");
  KeyScript script;
  std::string error;
  EXPECT_FALSE(ReadKeyScript(in, script, error));
  EXPECT_EQ(error, "line 3: unknown key 'Q'");
}

TEST(ReadKeyScript, AcceptsCrlfLineEnds) {
  std::istringstream in("U\r\n\r\nRS\r\n");
  KeyScript script;
  std::string error;
  ASSERT_TRUE(ReadKeyScript(in, script, error)) << error;
  ASSERT_EQ(script.size(), 3u);
  EXPECT_EQ(script[1], FrameKeys{});
  EXPECT_TRUE(script[2].right && script[2].fire);
}

TEST(ReadKeyScript, ShowsControlCharactersEscaped) {
  std::istringstream in("U\x1B\n");
  KeyScript script;
  std::string error;
  EXPECT_FALSE(ReadKeyScript(in, script, error));
  EXPECT_EQ(error, "line 1: unknown key '\\x1B'");
}

TEST(ReadKeyScript, KeepsTheLimitsOfADemoFile) {
  std::istringstream in("U\n" + std::string(1 << 20, 'U'));
  KeyScript script;
  std::string error;
  EXPECT_FALSE(ReadKeyScript(in, script, error));
  EXPECT_EQ(error, "line 2: line too long");
}

TEST(FormatStateLine, StartStateWithSeedOne) {
  GameState state;
  Random random;
  SeedRandom(random, 1);
  SetupLevel(state);
  SetupRobots(state, random);
  EXPECT_EQ(FormatStateLine(0, state),
            "0 2 2 180 0 0 0 0 4 4 41 3 15 17 107 3 45 19 214 3 25 18 220 3 45 5 89 3");
}

TEST(FormatStateLine, PrintsNineDigitsAndNegativeHitPoints) {
  GameState state;
  state.player.z = 2.15f;
  state.player.heading = -3.0f;
  state.shot = ShotState{1, 2.0f, 2.2f, 1e-7f};
  state.robots[4].hp = -2;
  EXPECT_EQ(FormatStateLine(12345678901ull, state),
            "12345678901 2 2.1500001 -3 1 2 2.20000005 1.00000001e-07 "
            "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 -2");
}

TEST(ApplyFrameKeys, ActsInTheLoopsOrder) {
  GameState state;
  SetupLevel(state);
  // Forward before the turns, and the fire after them: the shot leaves
  // along the heading turned this frame (180 - 3 + 3 = 180).
  ApplyFrameKeys(state, FrameKeys{true, false, true, true, true});
  EXPECT_EQ(state.player.z, 2.1500001f);
  EXPECT_EQ(state.player.heading, 180.0f);
  EXPECT_EQ(state.shot.active, 1);
  EXPECT_EQ(state.shot.z, 2.35000014f);

  GameState turned;
  SetupLevel(turned);
  ApplyFrameKeys(turned, FrameKeys{false, false, false, true, true});
  EXPECT_EQ(turned.shot.heading, 183.0f);  // fire follows the turn
}

TEST(RunReplay, LineZeroThenOneLinePerFrameAndNoKeysPastTheScript) {
  std::ostringstream out;
  const GameState final_state = RunReplay(1, KeyScript{FrameKeys{true}}, 3, out);
  const std::vector<std::string> lines = Lines(out.str());
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].rfind("0 2 2 180 ", 0), 0u);
  EXPECT_EQ(lines[1].rfind("1 2 2.1500001 180 ", 0), 0u);
  EXPECT_EQ(lines[3].rfind("3 2 2.1500001 180 ", 0), 0u);
  EXPECT_EQ(lines[3], FormatStateLine(3, final_state));
}

TEST(RunReplay, FrameCountShortensTheScript) {
  std::ostringstream out;
  RunReplay(1, KeyScript(10, FrameKeys{true}), 2, out);
  EXPECT_EQ(Lines(out.str()).size(), 3u);
}

TEST(RunReplay, SameSeedSameGameOtherSeedOtherGame) {
  const KeyScript script(50, FrameKeys{true, false, false, true, true});
  std::ostringstream first, second, other;
  RunReplay(99, script, 50, first);
  RunReplay(99, script, 50, second);
  RunReplay(100, script, 50, other);
  EXPECT_EQ(first.str(), second.str());
  EXPECT_NE(first.str(), other.str());
}

TEST(RunReplayFrom, EndsAfterTheFrameOfVictoryWithItsKeysApplied) {
  GameState state;
  SetupLevel(state);
  for (RobotState& robot : state.robots) robot = RobotState{0, 0, 0, 0};
  state.robots[3] = RobotState{2.0f, 3.0f, 0.0f, 1};
  state.shot = ShotState{1, 2.0f, 2.0f, 180.0f};  // next candidate z 2.5: robot 3
  Random random;
  std::ostringstream out;
  RunReplayFrom(state, random, KeyScript(5, FrameKeys{false, false, false, true}), 5, out);
  const std::vector<std::string> lines = Lines(out.str());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(state.robots[3].hp, 0);
  EXPECT_EQ(state.player.heading, 183.0f);
}

}  // namespace
}  // namespace vorbexia
