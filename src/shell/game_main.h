// The entry routine and the main loop.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "controls/settings.h"
#include "demo/demo_recorder.h"
#include "render/renderer.h"
#include "shell/platform.h"
#include "shell/sound_output.h"
#include "world/frame.h"
#include "world/game_state.h"

namespace vorbexia {

// How one game is run, from the command line; the defaults are the game
// with the mode question, the keyboard and sound. The run writes back what the loop did.
struct GameSession {
  uint32_t seed = 0;
  std::optional<bool> fullscreen;  // the mode question answered in advance
  // Frames played from a demo instead of the keyboard's keys (Esc still
  // quits); the loop ends after the last one.
  const KeyScript* replay = nullptr;
  // No boxes of the game's own: no mode question (windowed unless
  // `fullscreen`), no victory box.
  bool silent = false;
  DemoRecorder* recorder = nullptr;  // every frame recorded here
  // The sounds of the world's events; nullptr: a silent game.
  SoundOutput* sound = nullptr;
  // The HUD (crosshair, robots left) over each frame; Tab shows or hides it.
  bool hud = false;
  // Desktop full screen from the start (Alt+Enter toggles it in play).
  bool desktop = false;
  // The key bindings and the mouse; `start`, `hud` and `volume` have been
  // taken into the fields above and the sound output.
  Settings settings;
  std::string pictures;      // the screenshots' folder; empty: none taken
  std::string data;          // where the best time is kept; empty: nowhere
  // Writes the settings changed in the menu where they were read from;
  // none: they last for this game only.
  std::function<bool(const Settings& settings, std::string& error)> save_settings;
  std::ostream* notes = nullptr;  // where a screenshot's name is written

  bool loop_ran = false;      // the window came up and the main loop ran
  uint64_t frames = 0;        // frames run by the main loop
  double loop_seconds = 0.0;  // wall-clock time of the main loop
};

// Runs one whole game and returns the process result (always 0).
int GameMain(GameState& state, Platform& platform, Renderer& renderer,
             GameSession& session);

// The game with the mode question and the keyboard, seeded with `seed`.
int GameMain(GameState& state, Platform& platform, Renderer& renderer,
             uint32_t seed);

}  // namespace vorbexia
