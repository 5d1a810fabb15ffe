// The entry routine and the main loop.
#pragma once

#include <cstdint>

#include "shell/platform.h"
#include "shell/renderer.h"
#include "world/game_state.h"

namespace vorbexia {

// Runs one whole game and returns the process result (always 0).
int GameMain(GameState& state, Platform& platform, Renderer& renderer,
             uint32_t seed);

}  // namespace vorbexia
