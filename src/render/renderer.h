// What the shell needs of the rendering: the render state, the models, one
// frame and the viewport. The game runs on GlRenderer (src/render); tests of
// the loop and the window logic run on a scripted stand-in.
#pragma once

#include "world/game_state.h"
#include "world/random.h"

namespace vorbexia {

class Renderer {
 public:
  virtual ~Renderer() = default;

  // Loads the textures, sets the fixed render state, fills the level, sets up
  // the eight lights and the gun's quadric. False: start-up fails.
  virtual bool InitGL(GameState& state) = 0;

  // Compiles the three models. False: a display list or a quadric could not
  // be had, and start-up fails rather than draw with an absent object.
  virtual bool BuildModels(GameState& state) = 0;

  // Draws one frame into the back buffer, advancing the shot and the robots.
  virtual bool DrawScene(GameState& state, Random& random) = 0;

  // Draws the HUD over the frame just drawn, leaving every other pixel and
  // the whole render state as they were.
  virtual void DrawHud(const GameState& state) { (void)state; }

  // The viewport (0, 0, width, height) and a 45-degree perspective with the
  // given aspect; the modelview matrix is left at identity.
  virtual void SetViewport(int width, int height, double aspect) = 0;
};

}  // namespace vorbexia
