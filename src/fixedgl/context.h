// One fixed-function OpenGL 1.1 context drawn on OpenGL ES 2. It holds the
// matrix stacks and composes the rest, each part with one job:
//   state.h         the current values, enables, lights, the attribute stack;
//   display_list.h  lists recorded and replayed;
//   assembly.h      vertices lit and put together into triangles, quads cut
//                   as Mesa cuts them, triangles clipped at the near plane;
//   es_draw.h       the triangles drawn on ES 2, with what ES 2 keeps.
// Vertices are taken to eye and clip coordinates as they are given, and
// their triangles gathered until some state changes or Flush.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "fixedgl/api.h"
#include "fixedgl/assembly.h"
#include "fixedgl/display_list.h"
#include "fixedgl/es_draw.h"
#include "fixedgl/lighting.h"
#include "fixedgl/matrix.h"
#include "fixedgl/quadric.h"
#include "fixedgl/state.h"

namespace fixedgl {

class Context final : public PrimitiveSink {
 public:
  // Draws on ES 2. The viewport starts as the drawable's size, as OpenGL's
  // does. Needs no GL context; the ES 2 objects are made at the first draw.
  Context(int width, int height);
  // Draws nothing and calls no GL: the assembled triangles go to `sink`
  // (for checking the assembly on the CPU). No texture has a picture here,
  // and what ES 2 alone keeps reads as disabled.
  Context(int width, int height, TriangleSink& sink);
  Context(const Context&) = delete;
  Context& operator=(const Context&) = delete;

  // PrimitiveSink: glBegin, glNormal3f, glTexCoord2f, glVertex3f, glEnd.
  void Begin(unsigned mode) override;
  void Normal(float x, float y, float z) override;
  void TexCoord(float s, float t) override;
  void Vertex(float x, float y, float z) override;
  void End() override;
  void Color(float r, float g, float b, float a);

  void MatrixMode(GLenum mode);
  void LoadIdentity();
  void PushMatrix();
  void PopMatrix();
  void Translate(float x, float y, float z);
  void Rotate(float angle, float x, float y, float z);
  void Scale(float x, float y, float z);
  void Ortho(double left, double right, double bottom, double top, double near_plane,
             double far_plane);
  void Perspective(double fovy, double aspect, double near_plane, double far_plane);

  GLuint GenLists(GLsizei range);
  void NewList(GLuint list, GLenum mode);
  void EndList();
  void CallList(GLuint list);

  void Lightfv(GLenum light, GLenum pname, const GLfloat* params);
  void LightModelfv(GLenum pname, const GLfloat* params);
  void ShadeModel(GLenum mode);
  void PushAttrib(GLbitfield mask);
  void PopAttrib();
  void Enable(GLenum cap, bool on);
  bool IsEnabled(GLenum cap) const;
  // False for what the layer does not know; the caller asks ES 2 then.
  bool GetFloatv(GLenum pname, GLfloat* params) const;
  bool GetIntegerv(GLenum pname, GLint* params) const;
  void Viewport(GLint x, GLint y, GLsizei width, GLsizei height);
  void ClearColor(float r, float g, float b, float a);
  void ClearDepth(double depth);
  void Clear(GLbitfield mask);
  void DepthFunc(GLenum func);
  void BindTexture(GLenum target, GLuint texture);
  void TexImage2D(GLint level, GLint internal_format, GLsizei width, GLsizei height,
                  GLint border, GLenum format, GLenum type, const void* pixels);
  void TexParameteri(GLenum pname, GLint param);

  void Quadric(const GLUquadric& quadric, bool sphere, double base_radius,
               double top_radius, double height, int slices, int stacks);

  // Draws the gathered triangles.
  void Flush();

  const AttribState& state() const { return state_.values(); }
  const Mat4& modelview() const { return modelview_.back(); }
  const Mat4& projection() const { return projection_.back(); }

 private:
  using Op = DisplayLists::Op;

  void Run(const DisplayLists::Command& command);
  std::vector<Mat4>& Stack();
  void MatrixChanged();
  // Marks the lighting's inputs for forming again.
  void StateChanged() { lighting_stale_ = true; }
  const LightingInputs& Lighting();

  State state_;
  DisplayLists lists_;
  std::vector<Mat4> modelview_{Identity()};
  std::vector<Mat4> projection_{Identity()};
  Transform transform_;
  LightingInputs lighting_;
  bool lighting_stale_ = true;
  // The ES 2 draw; none when the triangles go to a test's sink.
  std::unique_ptr<EsDraw> es_;
  Assembly assembly_;
};

}  // namespace fixedgl
