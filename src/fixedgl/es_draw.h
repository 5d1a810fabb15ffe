// The ES 2 side of the layer: the assembled triangles gathered and drawn
// with the one program, the textures, and the state ES 2 keeps itself
// (depth test, depth function, clear values, viewport, other enables).
// Only what changed goes to ES 2 (every WebGL call costs the browser's
// checks): the texture is bound, and the uniform sent, at the draw that
// needs them, and the program and vertex layout are set once. The layer
// alone binds textures and uses the program, so ES 2 keeps what was sent.
#pragma once

#include <GLES2/gl2.h>

#include <array>
#include <set>
#include <vector>

#include "fixedgl/assembly.h"
#include "fixedgl/program.h"
#include "fixedgl/state.h"
#include "fixedgl/vertex.h"

namespace fixedgl {

// A vertex as the program takes it: with s / w, t / w and 1 / w of its
// triangle's planes over window coordinates, at the place where the
// rasterizer puts the vertex, times the vertex's w (program.cpp).
struct DrawVertex {
  std::array<float, 4> clip;
  std::array<float, 3> stq;
  Vec4 color;  // lit
};

class EsDraw final : public TriangleSink {
 public:
  // Needs no GL context; the ES 2 objects are made at the first draw.
  EsDraw() = default;
  // Deletes the ES 2 objects, so the ES 2 context must still be current.
  ~EsDraw() override;
  EsDraw(const EsDraw&) = delete;
  EsDraw& operator=(const EsDraw&) = delete;

  // Gathers a triangle for the next Draw.
  void Triangle(const EyeVertex& a, const EyeVertex& b, const EyeVertex& c) override;
  bool empty() const { return batch_.empty(); }
  // Draws the gathered triangles in the viewport with `texture` bound,
  // modulating the colour when `texturing`.
  void Draw(const std::array<GLint, 4>& viewport, GLuint texture, bool texturing);

  // Hands the state ES 2 keeps back to ES 2 (after glPopAttrib).
  void Restore(const AttribState& s);
  void Enable(GLenum cap, bool on) { on ? ::glEnable(cap) : ::glDisable(cap); }
  bool IsEnabled(GLenum cap) const { return ::glIsEnabled(cap) == GL_TRUE; }
  void Viewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    ::glViewport(x, y, width, height);
  }
  void ClearColor(float r, float g, float b, float a) { ::glClearColor(r, g, b, a); }
  void ClearDepth(GLfloat depth) { ::glClearDepthf(depth); }
  void Clear(GLbitfield mask) { ::glClear(mask); }
  void DepthFunc(GLenum func) { ::glDepthFunc(func); }

  // The texture's picture and parameters, given with `texture` bound.
  void TexImage2D(GLuint texture, GLint level, GLsizei width, GLsizei height, GLint border,
                  GLenum format, GLenum type, const void* pixels);
  void TexParameteri(GLuint texture, GLenum pname, GLint param);
  // Whether level 0 of the texture has been given a picture.
  bool HasPicture(GLuint texture) const { return textures_with_image_.count(texture) > 0; }

 private:
  void SetUpProgram();
  // Binds the texture in ES 2 unless it is bound already.
  void Bind(GLuint texture);
  // The triangle's vertices as the program takes them, onto draw_.
  void AddDrawTriangle(const std::array<GLint, 4>& viewport, const EyeVertex& a,
                       const EyeVertex& b, const EyeVertex& c);

  std::vector<EyeVertex> batch_;  // triangles not drawn yet
  std::vector<DrawVertex> draw_;  // the batch as the program takes it
  std::set<GLuint> textures_with_image_;

  // ES 2 objects, made at the first draw.
  Program program_;
  GLuint buffer_ = 0;
  bool program_failed_ = false;
  // The rasterizer's sub-pixel grid: 1 / grid_ of a pixel (0: none known).
  double grid_ = 0;
  // The uniform last sent, and the texture ES 2 has bound.
  int sent_texturing_ = 0;
  bool sent_valid_ = false;
  GLuint es_texture_ = 0;  // ES 2's binding starts at 0
};

}  // namespace fixedgl
