// The game's sine and cosine: the correctly rounded doubles (worked out to
// 300 bits elsewhere) at headings where the C libraries miss the last place:
// glibc at 169, 1812 and 2475 degrees, mingw-w64 at 90 and 180.
#include <gtest/gtest.h>

#include <cmath>

#include "world/heading.h"
#include "world/trig.h"

namespace vorbexia {
namespace {

double Radians(float heading) { return double(heading) * double(kDegreesToRadians); }

struct Known {
  float heading;
  double sine;
  double cosine;
};

constexpr Known kKnown[] = {
    {90.0f, 0x1.fffffffffffffp-1, 0x1.a2168c234c4c6p-27},
    {169.0f, 0x1.86c6e0da0d2a9p-3, -0x1.f697d66e183e6p-1},
    {180.0f, 0x1.a2168c234c4c6p-26, -0x1.ffffffffffffdp-1},
    {2475.0f, -0x1.6a09ee586d941p-1, 0x1.6a09de7779b8fp-1},
    {-1812.0f, -0x1.a9cd7a9a9526fp-3, 0x1.f4cfc4dd263d9p-1},
    {1122.0f, 0x1.569845a5c78edp-1, 0x1.7c7d7deb23839p-1},
    {-2999865.0f, 0x1.096e8d49941f5p-2, 0x1.ee800f83bfb35p-1},
};

TEST(Trig, CorrectlyRoundedAtHeadingsTheLibrariesMiss) {
  for (const Known& known : kKnown) {
    EXPECT_EQ(Sine(Radians(known.heading)), known.sine) << known.heading;
    EXPECT_EQ(Cosine(Radians(known.heading)), known.cosine) << known.heading;
  }
}

TEST(Trig, ZeroAndTinyAngles) {
  EXPECT_EQ(Sine(0.0), 0.0);
  EXPECT_TRUE(std::signbit(Sine(-0.0)));
  EXPECT_EQ(Cosine(-0.0), 1.0);
  EXPECT_EQ(Sine(0x1p-30), 0x1p-30);
  EXPECT_EQ(Cosine(0x1p-30), 1.0);
}

}  // namespace
}  // namespace vorbexia
