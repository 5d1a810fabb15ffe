// The game's one window, its OpenGL rendering context and its events.
#pragma once

#include <string>

#include "shell/platform.h"
#include "render/renderer.h"
#include "world/game_state.h"

namespace vorbexia {

// What exists of the window; each release of the teardown runs only for
// what was obtained.
struct GameWindow {
  Platform& platform;
  Renderer& renderer;
  bool has_window = false;
  bool has_device_context = false;
  bool has_context = false;
};

// Builds the window and its context and runs InitGL. False: the player has
// seen the error box and the teardown the failure needs has run.
bool CreateGameWindow(GameWindow& window, GameState& state,
                      const std::string& title, int width, int height,
                      int bits, bool fullscreen);

// Restores the display mode, releases the context, the window and the class,
// reporting each failed release in its own box and going on.
void DestroyGameWindow(GameWindow& window, GameState& state);

// The window procedure: keys, the active flag, the viewport, close requests.
uint32_t GameWindowProc(GameWindow& window, GameState& state,
                        const Event& event);

// Viewport and projection for a client area of width x height pixels.
void ResizeViewport(GameWindow& window, int width, int height);

}  // namespace vorbexia
