// The triangles the layer assembles, caught on the CPU through the sink
// that the ES 2 draw fills in the game.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "fixedgl/context.h"

namespace fixedgl {
namespace {

using Corners = std::array<std::array<float, 3>, 4>;
// Corners 2 and 3 behind the near plane (z = -w).
const Corners kAcrossNear = {{{-1, 0, 0}, {1, 0, 0}, {1, 0, -2}, {-1, 0, -2}}};

struct Recorder final : TriangleSink {
  void Triangle(const EyeVertex& a, const EyeVertex& b, const EyeVertex& c) override {
    for (const EyeVertex* v : {&a, &b, &c}) corners.push_back(*v);
  }
  std::vector<EyeVertex> corners;  // three a triangle
};

// The triangles' corners of a quad given in clip coordinates (both matrices
// are the identity), drawn at once or compiled into a list and called. Its
// corners are numbered by their red level, a quarter each.
std::vector<EyeVertex> Assembled(const Corners& at, bool listed = false) {
  Recorder sink;
  Context gl(64, 64, sink);
  if (listed) gl.NewList(1, GL_COMPILE);
  gl.Begin(GL_QUADS);
  for (int i = 0; i < 4; ++i) {
    gl.Color(i * 0.25f, 0, 0, 1);
    gl.TexCoord(static_cast<float>(i), 1);
    gl.Vertex(at[i][0], at[i][1], at[i][2]);
  }
  gl.End();
  if (listed) gl.EndList();
  if (listed) gl.CallList(1);
  gl.Flush();
  return sink.corners;
}

TEST(AssemblyTest, QuadIsCutAlongItsFirstAndThirdCornersUnlessOutsideTheView) {
  auto numbers = [](const std::vector<EyeVertex>& corners) {
    std::vector<int> n;
    for (const EyeVertex& v : corners) n.push_back(static_cast<int>(v.color[0] * 4));
    return n;
  };
  EXPECT_EQ(numbers(Assembled({{{-.5f, -.5f, 0}, {.5f, -.5f, 0}, {.5f, .5f, 0}, {-.5f, .5f, 0}}})),
            (std::vector<int>{0, 1, 2, 0, 2, 3}));
  EXPECT_EQ(numbers(Assembled({{{-2, -2, 0}, {2, -2, 0}, {2, 2, 0}, {-2, 2, 0}}})),
            (std::vector<int>{0, 1, 3, 1, 2, 3}));
}

TEST(AssemblyTest, QuadAcrossTheNearPlaneIsCutOnIt) {
  // Outside the view, so cut 0-1-3 and 1-2-3; each part in front of the
  // plane goes out as a fan around its first corner, the cuts halfway.
  std::vector<std::array<float, 2>> xz;
  for (const EyeVertex& v : Assembled(kAcrossNear)) xz.push_back({v.clip[0], v.clip[2]});
  EXPECT_EQ(xz, (std::vector<std::array<float, 2>>{
                    {1, 0}, {0, -1}, {-1, 0}, {0, -1}, {-1, -1}, {-1, 0}, {1, -1}, {0, -1}, {1, 0}}));
}

TEST(AssemblyTest, ListReplayedGivesTheTrianglesOfTheCallsItHolds) {
  const std::vector<EyeVertex> direct = Assembled(kAcrossNear);
  const std::vector<EyeVertex> listed = Assembled(kAcrossNear, true);
  ASSERT_EQ(listed.size(), direct.size());  // and nothing drawn while compiled
  for (size_t i = 0; i < direct.size(); ++i) {
    const EyeVertex &a = direct[i], &b = listed[i];
    EXPECT_TRUE(a.clip == b.clip && a.texcoord == b.texcoord && a.color == b.color) << i;
  }
}

}  // namespace
}  // namespace fixedgl
