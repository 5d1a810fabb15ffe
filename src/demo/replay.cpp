#include "demo/replay.h"

#include <cstdio>

#include "world/world.h"

namespace vorbexia {
namespace {

void AppendNumber(std::string& line, double value) {
  char text[32];
  std::snprintf(text, sizeof text, " %.9g", value);
  line += text;
}

void AppendInteger(std::string& line, int64_t value) {
  line += ' ';
  line += std::to_string(value);
}

}  // namespace

bool RunReplayFrame(GameState& state, Random& random, const FrameKeys& keys) {
  FrameView unseen;
  // A demo holds no Esc: its last frame is where it ends.
  return RunFrame(state, random, keys, unseen, false) == FrameEnd::kVictory;
}

std::string FormatStateLine(uint64_t frame, const GameState& state) {
  std::string line = std::to_string(frame);
  const PlayerState& player = state.player;
  AppendNumber(line, player.x);
  AppendNumber(line, player.z);
  AppendNumber(line, player.heading);
  const ShotState& shot = state.shot;
  AppendInteger(line, shot.active);
  AppendNumber(line, shot.x);
  AppendNumber(line, shot.z);
  AppendNumber(line, shot.heading);
  for (const RobotState& robot : state.robots) {
    AppendNumber(line, robot.x);
    AppendNumber(line, robot.z);
    AppendNumber(line, robot.heading);
    AppendInteger(line, robot.hp);
  }
  return line;
}

void RunReplayFrom(GameState& state, Random& random, const KeyScript& script,
                   uint64_t frame_count, std::ostream& out) {
  out << FormatStateLine(0, state) << '\n';
  const FrameKeys no_keys;
  for (uint64_t frame = 1; frame <= frame_count; ++frame) {
    const FrameKeys& keys = frame <= script.size() ? script[frame - 1] : no_keys;
    const bool victory = RunReplayFrame(state, random, keys);
    out << FormatStateLine(frame, state) << '\n';
    if (victory) return;
  }
}

GameState RunReplay(uint32_t seed, const KeyScript& script, uint64_t frame_count,
                    std::ostream& out) {
  GameState state;
  Random random;
  SeedRandom(random, seed);
  SetupLevel(state);
  SetupRobots(state, random);
  RunReplayFrom(state, random, script, frame_count, out);
  return state;
}

}  // namespace vorbexia
