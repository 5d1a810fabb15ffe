// The triangles the layer assembles, caught on the CPU through the sink
// that the ES 2 draw fills in the game: quads cut along Mesa's diagonals,
// a quad behind the near plane cut there, and a list replayed as drawn.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "fixedgl/context.h"

namespace fixedgl {
namespace {

using Triangle = std::array<EyeVertex, 3>;

struct Recorder final : TriangleSink {
  void Triangle(const EyeVertex& a, const EyeVertex& b, const EyeVertex& c) override {
    triangles.push_back({a, b, c});
  }
  std::vector<fixedgl::Triangle> triangles;
};

// The corners' numbers (given as their red level, a quarter each) triangle
// by triangle.
std::vector<std::array<int, 3>> Corners(const std::vector<Triangle>& triangles) {
  std::vector<std::array<int, 3>> corners;
  for (const Triangle& t : triangles) {
    corners.push_back({static_cast<int>(t[0].color[0] * 4), static_cast<int>(t[1].color[0] * 4),
                       static_cast<int>(t[2].color[0] * 4)});
  }
  return corners;
}

// A square quad of corners 0 to 3 at depth z, half-width h, in clip
// coordinates (both matrices are the identity).
void Quad(Context& gl, float h, float z) {
  const float corner[4][2] = {{-h, -h}, {h, -h}, {h, h}, {-h, h}};
  gl.Begin(GL_QUADS);
  for (int i = 0; i < 4; ++i) {
    gl.Color(i * 0.25f, 0, 0, 1);
    gl.Vertex(corner[i][0], corner[i][1], z);
  }
  gl.End();
}

TEST(AssemblyTest, QuadInsideTheViewIsCutAlongItsFirstAndThirdCornersElseSecondAndFourth) {
  Recorder inside, outside;
  Context a(64, 64, inside), b(64, 64, outside);
  Quad(a, 0.5f, 0);
  a.Flush();
  Quad(b, 1.5f, 0);
  b.Flush();
  using Cut = std::vector<std::array<int, 3>>;
  EXPECT_EQ(Corners(inside.triangles), (Cut{{0, 1, 2}, {0, 2, 3}}));
  EXPECT_EQ(Corners(outside.triangles), (Cut{{0, 1, 3}, {1, 2, 3}}));
}

TEST(AssemblyTest, QuadAcrossTheNearPlaneIsCutOnIt) {
  // Corners 0 and 1 at depth 0, 2 and 3 at -2, behind the plane (z = -w).
  Recorder sink;
  Context gl(64, 64, sink);
  const float corner[4][3] = {{-1, 0, 0}, {1, 0, 0}, {1, 0, -2}, {-1, 0, -2}};
  gl.Begin(GL_QUADS);
  for (const auto& c : corner) gl.Vertex(c[0], c[1], c[2]);
  gl.End();
  gl.Flush();
  // Outside the view, so cut 0-1-3 and 1-2-3; each part in front of the
  // plane goes out as a fan around its first corner, the cuts halfway.
  using XZ = std::array<float, 2>;
  const std::vector<std::array<XZ, 3>> expected = {
      {{{1, 0}, {0, -1}, {-1, 0}}}, {{{0, -1}, {-1, -1}, {-1, 0}}}, {{{1, -1}, {0, -1}, {1, 0}}}};
  ASSERT_EQ(sink.triangles.size(), expected.size());
  for (size_t t = 0; t < expected.size(); ++t) {
    for (int i = 0; i < 3; ++i) {
      const EyeVertex& v = sink.triangles[t][i];
      EXPECT_EQ((XZ{v.clip[0], v.clip[2]}), expected[t][i]) << "triangle " << t << " corner " << i;
    }
  }
}

// A lit, moved quad and fan, as the renderer's models are drawn.
void Model(Context& gl) {
  gl.Translate(0.25f, 0, -0.5f);
  gl.Rotate(30, 0, 1, 0);
  gl.Normal(0, 0, 1);
  gl.Begin(GL_QUADS);
  for (const auto& c : {std::array<float, 2>{0, 0}, {1, 0}, {1, 1}, {0, 1}}) {
    gl.TexCoord(c[0], c[1]);
    gl.Vertex(c[0] - 0.5f, c[1] - 0.5f, 0);
  }
  gl.End();
  gl.Begin(GL_TRIANGLE_FAN);
  for (float x : {0.0f, 0.5f, 0.5f, -0.5f}) gl.Vertex(x, x * x, 0.1f);
  gl.End();
}

TEST(AssemblyTest, ListReplayedGivesTheTrianglesOfTheCallsItHolds) {
  Recorder direct, listed;
  for (Recorder* sink : {&direct, &listed}) {
    Context gl(64, 64, *sink);
    gl.Enable(GL_LIGHTING, true);
    gl.Enable(GL_LIGHT0, true);
    if (sink == &direct) {
      Model(gl);
    } else {
      const GLuint list = gl.GenLists(1);
      gl.NewList(list, GL_COMPILE);
      Model(gl);
      gl.EndList();
      gl.Flush();
      EXPECT_TRUE(sink->triangles.empty()) << "compiled only";
      gl.CallList(list);
    }
    gl.Flush();
  }
  ASSERT_EQ(listed.triangles.size(), 4u);
  ASSERT_EQ(direct.triangles.size(), listed.triangles.size());
  for (size_t t = 0; t < direct.triangles.size(); ++t) {
    for (int i = 0; i < 3; ++i) {
      const EyeVertex& a = direct.triangles[t][i];
      const EyeVertex& b = listed.triangles[t][i];
      EXPECT_TRUE(a.clip == b.clip && a.texcoord == b.texcoord && a.color == b.color)
          << "triangle " << t << " corner " << i;
    }
  }
}

}  // namespace
}  // namespace fixedgl
