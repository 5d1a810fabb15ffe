// The game's one window, its OpenGL rendering context and its events.
#pragma once

#include <string>

#include "render/renderer.h"
#include "texts/texts.h"
#include "shell/platform.h"

namespace vorbexia {

// The window and what exists of it; each release of the teardown runs only
// for what was obtained.
struct GameWindow {
  Platform& platform;
  Renderer& renderer;
  // Set by the shell: the display mode was switched for the window.
  bool fullscreen = false;
  // Desktop full screen (Alt+Enter): the picture keeps its aspect.
  bool desktop = false;
  // Cleared while the window is minimised: the world then stands still.
  bool active = true;
  // Of the boxes' texts.
  Language language = Language::kPolish;
  // The client area's height and the viewport in it (x and y from its lower
  // left corner), pixels: where the pointer is over the picture.
  int client_height = 0;
  int view_x = 0, view_y = 0, view_width = 0, view_height = 0;
  bool has_display = false;
  bool has_window = false;
  bool has_drawable = false;
  bool has_context = false;
};

// Builds the window and its context and runs InitGL. False: the player has
// seen the error box and the teardown the failure needs has run.
bool CreateGameWindow(GameWindow& window, const WindowRequest& request);

// Restores the display mode, releases the context, the window and the
// display, reporting each failed release in its own box and going on.
void DestroyGameWindow(GameWindow& window);

// The window's own events: the active flag, the viewport, close requests.
// The player's keys and controls go to the input state instead.
void GameWindowProc(GameWindow& window, const Event& event);

// Viewport and projection for a client area of width x height pixels. In
// desktop full screen the 800 x 600 picture is scaled to the largest that
// fits, centred, with black bars beside or above and below it.
void ResizeViewport(GameWindow& window, int width, int height);

// Alt+Enter: desktop full screen on or off. The display-mode switch of the
// mode question stays as it is.
void ToggleDesktopFullscreen(GameWindow& window);

// A box of the game's own, with no owner window.
BoxAnswer ShowGameBox(Platform& platform, const std::string& text,
                      const std::string& caption, BoxIcon icon,
                      BoxButtons buttons = BoxButtons::kOk);

// A question of the game's own, its buttons Yes and No in `texts`' words.
BoxAnswer AskGameBox(Platform& platform, const Texts& texts, const std::string& text,
                     const std::string& caption, BoxIcon icon);

// A box of the bitmap reader's: caption "Error", owned by the window that
// has the keyboard focus.
void ShowReaderBox(Platform& platform, const char* text);

}  // namespace vorbexia
