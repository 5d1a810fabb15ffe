// What the shell needs of the rendering: the render state, the models, one
// frame and the viewport. The game runs on GlRenderer (src/render), which
// owns every GL object it makes; tests of the loop and the window logic run
// on a scripted stand-in. Drawing never changes the world.
#pragma once

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

  // Draws the world as it stands into the back buffer.
  virtual void DrawScene(const GameState& state) = 0;

  // Draws the HUD over the frame just drawn, leaving every other pixel and
  // the whole render state as they were.
  virtual void DrawHud(const GameState& state) { (void)state; }

  // The viewport (0, 0, width, height) and a 45-degree perspective with the
  // given aspect; the modelview matrix is left at identity.
  virtual void SetViewport(int width, int height, double aspect) = 0;
};

}  // namespace vorbexia
