// GLU's tessellation, vertex by vertex, against what its algorithm gives for
// small quadrics: slice i at angle 2 pi i / slices from +y towards +x,
// s = 1 - i / slices, and for a cylinder each slice's low vertex first.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fixedgl/quadric.h"

namespace fixedgl {
namespace {

struct Recorded {
  unsigned mode;  // the primitive the vertex belongs to
  float n[3], st[2], v[3];
};

class Recorder final : public PrimitiveSink {
 public:
  void Begin(unsigned mode) override { mode_ = mode; ++primitives; }
  void Normal(float x, float y, float z) override { n_[0] = x, n_[1] = y, n_[2] = z; }
  void TexCoord(float s, float t) override { st_[0] = s, st_[1] = t; }
  void Vertex(float x, float y, float z) override {
    vertices.push_back({mode_, {n_[0], n_[1], n_[2]}, {st_[0], st_[1]}, {x, y, z}});
  }
  void End() override {}
  std::vector<Recorded> vertices;
  int primitives = 0;

 private:
  unsigned mode_ = 0;
  float n_[3] = {0, 0, 0}, st_[2] = {0, 0};
};

void ExpectVertex(const Recorded& r, float nx, float ny, float nz, float s, float t,
                  float x, float y, float z) {
  const float tolerance = 1e-6f;
  EXPECT_NEAR(r.n[0], nx, tolerance);
  EXPECT_NEAR(r.n[1], ny, tolerance);
  EXPECT_NEAR(r.n[2], nz, tolerance);
  EXPECT_FLOAT_EQ(r.st[0], s);
  EXPECT_FLOAT_EQ(r.st[1], t);
  EXPECT_NEAR(r.v[0], x, tolerance);
  EXPECT_NEAR(r.v[1], y, tolerance);
  EXPECT_NEAR(r.v[2], z, tolerance);
}

TEST(QuadricTest, ConeIsOneStripFromPlusYTowardsPlusX) {
  Recorder r;
  // Base radius 1, apex at height 1: the side leans 45 degrees, so every
  // normal is (sin a, cos a, 1) / sqrt 2.
  Cylinder(QuadricStyle{true, true}, 1.0, 0.0, 1.0, 4, 1, r);
  ASSERT_EQ(r.primitives, 1);
  ASSERT_EQ(r.vertices.size(), 10u);  // (slices + 1) pairs
  const float k = 1.0f / std::sqrt(2.0f);
  ExpectVertex(r.vertices[0], 0, k, k, 1, 0, 0, 1, 0);
  ExpectVertex(r.vertices[1], 0, k, k, 1, 1, 0, 0, 1);
  ExpectVertex(r.vertices[2], k, 0, k, 0.75f, 0, 1, 0, 0);
  ExpectVertex(r.vertices[4], 0, -k, k, 0.5f, 0, 0, -1, 0);
  ExpectVertex(r.vertices[8], 0, k, k, 0, 0, 0, 1, 0);  // the seam, s = 0
  EXPECT_EQ(r.vertices[0].mode, kQuadStrip);
}

TEST(QuadricTest, UntexturedSphereHasFannedCapsNorthFirstGoingBackwards) {
  Recorder r;
  Sphere(QuadricStyle{true, false}, 2.0, 4, 3, r);
  ASSERT_EQ(r.primitives, 3);  // north fan, south fan, one strip
  ASSERT_EQ(r.vertices.size(), 6u + 6u + 10u);
  const float s60 = std::sin(static_cast<float>(M_PI / 3)), c60 = 0.5f;
  // North pole, then the ring of stack 1 from slice 4 (= 0) down to 0.
  ExpectVertex(r.vertices[0], 0, 0, 1, 0, 0, 0, 0, 2);
  ExpectVertex(r.vertices[1], 0, s60, c60, 0, 0, 0, 2 * s60, 2 * c60);
  ExpectVertex(r.vertices[2], -s60, 0, c60, 0, 0, -2 * s60, 0, 2 * c60);
  EXPECT_EQ(r.vertices[0].mode, kTriangleFan);
  // South pole, then the ring of stack 2 from slice 0 up.
  ExpectVertex(r.vertices[6], 0, 0, -1, 0, 0, 0, 0, -2);
  ExpectVertex(r.vertices[8], s60, 0, -c60, 0, 0, 2 * s60, 0, -2 * c60);
  // The strip: each slice's vertex on stack 2 before the one on stack 1.
  ExpectVertex(r.vertices[12], 0, s60, -c60, 0, 0, 0, 2 * s60, -2 * c60);
  ExpectVertex(r.vertices[13], 0, s60, c60, 0, 0, 0, 2 * s60, 2 * c60);
}

TEST(QuadricTest, TexturedSphereIsAllStripsWithTFromOneDown) {
  Recorder r;
  Sphere(QuadricStyle{true, true}, 1.0, 4, 2, r);
  ASSERT_EQ(r.primitives, 2);
  ExpectVertex(r.vertices[0], 0, 1, 0, 1, 0.5f, 0, 1, 0);
  ExpectVertex(r.vertices[1], 0, 0, 1, 1, 1, 0, 0, 1);
}

TEST(QuadricTest, InvalidSizesDrawNothing) {
  Recorder r;
  Cylinder(QuadricStyle{}, 1.0, 1.0, 1.0, 1, 1, r);   // one slice
  Cylinder(QuadricStyle{}, 1.0, 1.0, -1.0, 8, 1, r);  // negative height
  Cylinder(QuadricStyle{}, 0.0, 0.0, 0.0, 8, 1, r);   // no slant length
  Sphere(QuadricStyle{}, 1.0, 8, 0, r);
  EXPECT_EQ(r.primitives, 0);
}

}  // namespace
}  // namespace fixedgl
