// The rendering the game runs on: fixed-function OpenGL 1.1 and GLU.
#pragma once

#include "image/dib_reader.h"
#include "render/renderer.h"

namespace vorbexia {

class GlRenderer final : public Renderer {
 public:
  // reader_box shows the bitmap reader's boxes while the textures load.
  explicit GlRenderer(ReaderBox reader_box) : reader_box_(std::move(reader_box)) {}

  bool InitGL(GameState& state) override;
  bool BuildModels(GameState& state) override;
  bool DrawScene(GameState& state, Random& random) override;
  void DrawHud(const GameState& state) override;
  void SetViewport(int width, int height, double aspect) override;

 private:
  ReaderBox reader_box_;
};

}  // namespace vorbexia
