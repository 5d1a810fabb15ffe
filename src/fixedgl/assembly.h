// Primitive assembly on the CPU: the vertices between glBegin and glEnd,
// taken to eye and clip coordinates and lit as they are given, put together
// into triangles as Mesa (llvmpipe) puts them together, and the triangles
// with a corner behind the near plane cut there. The triangles go to a
// sink: the ES 2 draw, or whatever a test puts in its place.
#pragma once

#include <array>
#include <vector>

#include "fixedgl/api.h"
#include "fixedgl/lighting.h"
#include "fixedgl/matrix.h"
#include "fixedgl/state.h"
#include "fixedgl/vertex.h"

namespace fixedgl {

// Where the assembled triangles go, each lit, in clip coordinates, in front
// of the near plane, its corners in the order the rasterizer gets them.
class TriangleSink {
 public:
  virtual ~TriangleSink() = default;
  virtual void Triangle(const EyeVertex& a, const EyeVertex& b, const EyeVertex& c) = 0;
};

// What takes a vertex to eye and clip coordinates, formed at each matrix
// change: the product of projection and modelview as the desktop driver
// forms it (so that depths round alike), and the modelview's inverse
// transpose for normals.
struct Transform {
  Mat4 modelview = Identity();
  Mat4 model_view_projection = Identity();
  std::array<float, 9> normal_matrix = NormalMatrix(Identity());
};

// The vertex at (x, y, z) with the current normal, texture coordinate and
// colour, lit (Gouraud shading, lighting.h).
EyeVertex LitVertex(const Transform& transform, const AttribState& current,
                    const LightingInputs& lighting, float x, float y, float z);

class Assembly {
 public:
  explicit Assembly(TriangleSink& sink) : sink_(sink) {}

  bool in_primitive() const { return in_primitive_; }
  // glBegin, a vertex, glEnd. Quads wait for the end of their run.
  void Begin(GLenum mode);
  void Add(const EyeVertex& vertex) { primitive_.push_back(vertex); }
  void End();
  // Cuts the gathered run of quads into triangles, as Mesa would: at every
  // state change, matrix change, list call and Flush.
  void EndQuadRun();

 private:
  void Triangles(const std::vector<EyeVertex>& primitive);
  void Emit(const EyeVertex& a, const EyeVertex& b, const EyeVertex& c);
  // A triangle with a corner behind the near plane: cut here.
  void EmitClipped(const EyeVertex& a, const EyeVertex& b, const EyeVertex& c);

  TriangleSink& sink_;
  // The primitive between glBegin and glEnd.
  bool in_primitive_ = false;
  GLenum mode_ = 0;
  std::vector<EyeVertex> primitive_;
  // The run of quads not cut yet, and whether a vertex of it lies outside
  // the clip volume.
  std::vector<EyeVertex> quad_run_;
  bool quad_run_clipped_ = false;
};

}  // namespace fixedgl
