#include "fixedgl/assembly.h"

#include <cstddef>

#include "fixedgl/near_clip.h"

namespace fixedgl {
namespace {

// Whether the vertex lies outside the clip volume (-w <= x, y, z <= w).
bool Outside(const EyeVertex& v) {
  const float w = v.clip[3];
  for (int i = 0; i < 3; ++i) {
    if (v.clip[i] > w || v.clip[i] < -w) return true;
  }
  return false;
}

}  // namespace

EyeVertex LitVertex(const Transform& transform, const AttribState& current,
                    const LightingInputs& lighting, float x, float y, float z) {
  EyeVertex v;
  v.clip = TransformPoint(transform.model_view_projection, x, y, z, 1.0f);
  v.position = TransformPoint(transform.modelview, x, y, z, 1.0f);
  const std::array<float, 9>& m = transform.normal_matrix;
  const std::array<float, 3>& n = current.normal;
  for (int r = 0; r < 3; ++r) v.normal[r] = m[r * 3] * n[0] + m[r * 3 + 1] * n[1] + m[r * 3 + 2] * n[2];
  v.texcoord = current.texcoord;
  v.color = current.color;
  v.color = ShadedColour(lighting, v);
  return v;
}

void Assembly::Begin(GLenum mode) {
  if (in_primitive_) return;
  if (mode != GL_QUADS) EndQuadRun();
  in_primitive_ = true;
  mode_ = mode;
  primitive_.clear();
}

void Assembly::End() {
  if (!in_primitive_) return;
  in_primitive_ = false;
  Triangles(primitive_);
  primitive_.clear();
}

void Assembly::Emit(const EyeVertex& a, const EyeVertex& b, const EyeVertex& c) {
  if (BehindNear(a) || BehindNear(b) || BehindNear(c)) return EmitClipped(a, b, c);
  sink_.Triangle(a, b, c);
}

// Mesa lights the corners (as LitVertex does) and then cuts, taking the lit
// colours along the cut edges; the polygon goes out as a fan around its
// first vertex, which comes last in each triangle.
void Assembly::EmitClipped(const EyeVertex& a, const EyeVertex& b, const EyeVertex& c) {
  std::array<EyeVertex, 4> polygon;
  const int count = ClipNear(a, b, c, polygon);
  for (int i = 2; i < count; ++i) sink_.Triangle(polygon[i - 1], polygon[i], polygon[0]);
}

// Quads are cut along a diagonal, and with colours lit at the corners the
// diagonal shows (and the depths of coplanar quads round apart). OpenGL
// leaves the cut open; this takes Mesa's (llvmpipe's, with the last vertex
// provoking). Mesa draws a run of quads, i.e. the quads between two state
// changes, as one draw. When no vertex of the run needs clipping, the
// rasterizer gets the quads whole and cuts each along its first and third
// corners; otherwise the run goes through the clipper, which cuts each
// along its second and fourth. So quads are gathered here until the run
// ends (EndQuadRun). Each quad of a strip is cut along its first and last
// vertex either way.
void Assembly::Triangles(const std::vector<EyeVertex>& v) {
  const size_t n = v.size();
  switch (mode_) {
    case GL_TRIANGLES:
      for (size_t i = 0; i + 2 < n; i += 3) Emit(v[i], v[i + 1], v[i + 2]);
      break;
    case GL_TRIANGLE_STRIP:
      for (size_t i = 0; i + 2 < n; ++i) {
        if (i % 2 == 0) Emit(v[i], v[i + 1], v[i + 2]);
        else Emit(v[i + 1], v[i], v[i + 2]);
      }
      break;
    case GL_TRIANGLE_FAN:
      for (size_t i = 1; i + 1 < n; ++i) Emit(v[0], v[i], v[i + 1]);
      break;
    case GL_POLYGON:  // the first vertex last
      for (size_t i = 1; i + 1 < n; ++i) Emit(v[i], v[i + 1], v[0]);
      break;
    case GL_QUADS:
      for (size_t i = 0; i + 3 < n; i += 4) {
        for (size_t k = i; k < i + 4; ++k) {
          quad_run_clipped_ = quad_run_clipped_ || Outside(v[k]);
          quad_run_.push_back(v[k]);
        }
      }
      break;
    case GL_QUAD_STRIP:
      for (size_t i = 0; i + 3 < n; i += 2) {
        Emit(v[i], v[i + 1], v[i + 3]);
        Emit(v[i + 2], v[i], v[i + 3]);
      }
      break;
    default:
      break;  // points and lines are not drawn
  }
}

void Assembly::EndQuadRun() {
  const std::vector<EyeVertex>& q = quad_run_;
  for (size_t i = 0; i + 3 < q.size(); i += 4) {
    if (quad_run_clipped_) {
      Emit(q[i], q[i + 1], q[i + 3]);
      Emit(q[i + 1], q[i + 2], q[i + 3]);
    } else {
      Emit(q[i], q[i + 1], q[i + 2]);
      Emit(q[i], q[i + 2], q[i + 3]);
    }
  }
  quad_run_.clear();
  quad_run_clipped_ = false;
}

}  // namespace fixedgl
