// A recorded game: seed 2026 and the 3000-frame walk in data/golden_run.script,
// replayed through the frame function and the key actions. Any change in the
// arithmetic, the rounding or the order of generator draws changes the record.
//
// The record was made once by the code itself. To renew it on purpose (after
// a deliberate change of the rules), run
//   build/test/tools/vorbexia-sim --seed 2026 < tests/demo/data/golden_run.script | tail -n 1
// for the final state, and take the checksum this test reports when it fails.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "demo/key_script.h"
#include "demo/replay.h"

namespace vorbexia {
namespace {

constexpr uint32_t kGoldenSeed = 2026;

KeyScript LoadGoldenScript() {
  const std::filesystem::path path =
      std::filesystem::path(__FILE__).parent_path() / "data" / "golden_run.script";
  std::ifstream in(path);
  KeyScript script;
  std::string error;
  EXPECT_TRUE(in.good()) << path;
  EXPECT_TRUE(ReadKeyScript(in, script, error)) << error;
  return script;
}

// FNV-1a, 64 bits, over the text of every state line.
uint64_t Checksum(const std::string& text) {
  uint64_t hash = 14695981039346656037ull;
  for (const unsigned char byte : text) {
    hash ^= byte;
    hash *= 1099511628211ull;
  }
  return hash;
}

TEST(GoldenReplay, ReplaysTheRecordedGame) {
  const KeyScript script = LoadGoldenScript();
  ASSERT_EQ(script.size(), 3000u);
  std::ostringstream out;
  const GameState state = RunReplay(kGoldenSeed, script, script.size(), out);

  EXPECT_EQ(state.player.x, 8.89418221f);
  EXPECT_EQ(state.player.z, 19.6954327f);
  EXPECT_EQ(state.player.heading, 1122.0f);
  EXPECT_EQ(state.shot.active, 0);
  EXPECT_EQ(state.shot.x, 7.75666046f);
  EXPECT_EQ(state.shot.z, 18.4320869f);
  EXPECT_EQ(state.shot.heading, 1122.0f);

  struct Robot {
    float x, z, heading;
    int32_t hp;
  };
  const Robot recorded[kRobotCount] = {
      {41.8954124f, 16.9939022f, 641.0f, 2},
      {12.4259462f, 20.6511269f, 567.0f, 2},
      {7.99781322f, 14.7200241f, -153.0f, 3},
      {7.46731329f, 18.2305584f, 587.0f, 2},
      {18.8356762f, 17.2034702f, 83.0f, -6},
  };
  for (int i = 0; i < kRobotCount; ++i) {
    EXPECT_EQ(state.robots[i].x, recorded[i].x) << "robot " << i;
    EXPECT_EQ(state.robots[i].z, recorded[i].z) << "robot " << i;
    EXPECT_EQ(state.robots[i].heading, recorded[i].heading) << "robot " << i;
    EXPECT_EQ(state.robots[i].hp, recorded[i].hp) << "robot " << i;
  }

  // Every state on the way, not only the last.
  EXPECT_EQ(Checksum(out.str()), 9438512400185717320ull);
}

}  // namespace
}  // namespace vorbexia
