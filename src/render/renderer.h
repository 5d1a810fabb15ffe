// What the shell needs of the rendering: the render state, the models, one
// frame and the viewport. The game runs on GlRenderer (src/render), which
// owns every GL object it makes; tests of the loop and the window logic run
// on a scripted stand-in. Drawing never changes the world.
#pragma once

#include <string>
#include <vector>

#include "image/rgb_image.h"
#include "render/hit_flash.h"
#include "render/hud.h"
#include "world/game_state.h"

namespace vorbexia {

class Renderer {
 public:
  virtual ~Renderer() = default;

  // Loads the textures, sets the fixed render state, sets up the eight
  // lights and the gun's quadric. False: start-up fails.
  virtual bool InitGL() = 0;

  // Compiles the three models. False: a display list or a quadric could not
  // be had, and start-up fails rather than draw with an absent object.
  virtual bool BuildModels() = 0;

  // Draws the world as it stands into the back buffer, the robots in
  // `flashes` flashing from a hit.
  virtual void DrawScene(const GameState& state, const RobotFlashes& flashes) = 0;
  void DrawScene(const GameState& state) { DrawScene(state, RobotFlashes{}); }

  // Draws the HUD over the frame just drawn, leaving every other pixel and
  // the whole render state as they were.
  virtual void DrawHud(const GameState& state, const HudText& text) {
    (void)state;
    (void)text;
  }

  // Draws a line of text or a few lines over the frame just drawn, in the
  // HUD's style, leaving the render state as it was: "PAUZA" while the game
  // is paused, the keys while the help is shown.
  virtual void DrawOverlay(const std::vector<std::string>& lines) { (void)lines; }

  // Draws one line low over the frame just drawn, the same way: the name
  // of a screenshot just taken.
  virtual void DrawNote(const std::string& line) { (void)line; }

  // The viewport (x, y, width, height) and a 45-degree perspective with the
  // given aspect; the modelview matrix is left at identity. Outside the
  // viewport the frame is cleared to black.
  virtual void SetViewport(int width, int height, double aspect, int x = 0,
                           int y = 0) = 0;

  // The pixels of the viewport in the frame just drawn, bottom row first,
  // R, G, B. False where they cannot be read.
  virtual bool ReadFrame(RgbImage& image) {
    (void)image;
    return false;
  }
};

}  // namespace vorbexia
