// The rendering the game runs on: fixed-function OpenGL 1.1 and GLU.
#pragma once

#include <memory>
#include <utility>

#include "image/dib_reader.h"
#include "render/gl_resources.h"
#include "render/renderer.h"
#include "render/scene.h"

namespace vorbexia {

class GlRenderer final : public Renderer {
 public:
  // reader_box shows the bitmap reader's boxes while the textures load.
  explicit GlRenderer(ReaderBox reader_box) : reader_box_(std::move(reader_box)) {}
  // Frees the quadrics; the texture names and the lists go with the context.
  ~GlRenderer() override;

  GlRenderer(const GlRenderer&) = delete;
  GlRenderer& operator=(const GlRenderer&) = delete;

  bool InitGL() override;
  bool BuildModels() override;
  using Renderer::DrawScene;
  void DrawScene(const GameState& state, const RobotFlashes& flashes) override;
  void DrawHud(const GameState& state, const HudText& text) override;
  void DrawOverlay(const std::vector<std::string>& lines) override;
  void DrawNote(const std::string& line) override;
  void SetViewport(int width, int height, double aspect, int x = 0,
                   int y = 0) override;
  // The viewport of the back buffer, read with GL_RGB bytes.
  bool ReadFrame(RgbImage& image) override;

  // How DrawScene draws the maze: the fast drawing unless told otherwise
  // (the golden frames and the picture check draw the reference too).
  void set_drawing(SceneDrawing drawing) { drawing_ = drawing; }

  // The GL objects made so far, for drawing beside the renderer.
  const GlResources& resources() const { return resources_; }

 private:
  ReaderBox reader_box_;
  GlResources resources_;
  SceneDrawing drawing_ = SceneDrawing::kFast;
};

// The renderer every platform's launch makes.
std::unique_ptr<Renderer> MakeGlRenderer(ReaderBox reader_box);

}  // namespace vorbexia
