// Triangles cut at the near plane as Mesa's clipper cuts them.
#include <gtest/gtest.h>

#include "fixedgl/near_clip.h"

namespace fixedgl {
namespace {

// A vertex at clip depth z (w 1: behind the near plane below z = -1) with
// texture coordinate s and red level r.
EyeVertex At(float x, float z, float s, float r) {
  EyeVertex v{};
  v.clip = {x, 0, z, 1};
  v.texcoord = {s, 0};
  v.color = {r, 0, 0, 1};
  return v;
}

TEST(NearClipTest, OneCornerBehindGivesFourCornersCutLinearly) {
  std::array<EyeVertex, 4> p;
  // c lies 1 behind the plane, a and b 1 in front: the cuts are halfway.
  ASSERT_EQ(ClipNear(At(0, 0, 0, 0), At(1, 0, 1, 0), At(0, -2, 0, 1), p), 4);
  EXPECT_EQ(p[0].clip[0], 0);  // a, b kept in order, then b-c's and c-a's cuts
  EXPECT_EQ(p[1].clip[0], 1);
  EXPECT_EQ(p[2].clip, (std::array<float, 4>{0.5f, 0, -1, 1}));
  EXPECT_EQ(p[2].texcoord[0], 0.5f);
  EXPECT_EQ(p[2].color[0], 0.5f);
  EXPECT_EQ(p[3].clip, (std::array<float, 4>{0, 0, -1, 1}));
  EXPECT_EQ(p[3].color[0], 0.5f);
}

TEST(NearClipTest, WhollyBehindGivesNothingAndOnThePlaneIsKept) {
  std::array<EyeVertex, 4> p;
  EXPECT_EQ(ClipNear(At(0, -2, 0, 0), At(1, -3, 0, 0), At(0, -1.5f, 0, 0), p), 0);
  EXPECT_EQ(ClipNear(At(0, -1, 0, 0), At(1, -1, 0, 0), At(0, 0, 0, 0), p), 3);
  EXPECT_TRUE(BehindNear(At(0, -1.001f, 0, 0)));
  EXPECT_FALSE(BehindNear(At(0, -1, 0, 0)));
}

}  // namespace
}  // namespace fixedgl
