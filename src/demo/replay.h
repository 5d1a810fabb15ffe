// A headless run of the game from a key script: every frame runs as the
// main loop runs it, and every state is written as one line of text, so a
// recorded script replays the same game on every machine.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "demo/key_script.h"
#include "world/game_state.h"
#include "world/random.h"

namespace vorbexia {

// One frame of the game, seen by nobody. Returns the victory test's result.
bool RunReplayFrame(GameState& state, Random& random, const FrameKeys& keys);

// "k px pz heading shot_active sx sz sheading", then "x z heading hp" for
// robots 0 to 4; floats printed with %.9g (exact for 32-bit floats), the flag
// and the hit points as integers. No line end.
std::string FormatStateLine(uint64_t frame, const GameState& state);

// Writes line 0 for `state` as it is, then runs frames 1 to `frame_count`
// (script line k - 1 gives frame k's keys; past the script, no keys) and
// writes each state after its frame. Stops after the first frame whose
// victory test succeeds.
void RunReplayFrom(GameState& state, Random& random, const KeyScript& script,
                   uint64_t frame_count, std::ostream& out);

// The level, the robots' start state with the generator seeded with `seed`,
// then RunReplayFrom. Returns the final state.
GameState RunReplay(uint32_t seed, const KeyScript& script, uint64_t frame_count,
                    std::ostream& out);

}  // namespace vorbexia
