#include "render/wall_shadow.h"

#include <cmath>

namespace vorbexia {
namespace {

// How far beyond the wall's line a corner must lie, world units. Tiles and
// walls lie on the unit grid, so this keeps exactly the tiles that touch
// the wall from behind.
constexpr double kBeyondWall = 0.5;
// How far inside the rays through the wall's ends, world units plus
// radians times the distance from the eye. One pixel of the 800 x 600 view
// spans about 0.0014 radians.
constexpr double kInsideRays = 0.01;
constexpr double kInsideRaysPerUnit = 0.003;
// An eye closer than this to the wall's line sees the wall edge-on.
constexpr double kEdgeOn = 0.01;

struct Vec {
  double x, z;
};

Vec UnitNormal(Vec direction) {
  const double length = std::hypot(direction.x, direction.z);
  return Vec{-direction.z / length, direction.x / length};
}

double Dot(Vec a, Vec b) { return a.x * b.x + a.z * b.z; }

// The wall's two ends, when it is one straight line: along x at one z, or
// along z. The strips reach at least from the smaller end to the larger.
bool StraightEnds(const WallSegment& wall, Vec& a, Vec& b) {
  if (wall.x1 != wall.x2) {
    if (wall.z1 != wall.z2) return false;
    a = Vec{std::fmin(wall.x1, wall.x2), wall.z1};
    b = Vec{std::fmax(wall.x1, wall.x2), wall.z1};
    return true;
  }
  if (wall.z1 == wall.z2) return false;
  a = Vec{wall.x1, std::fmin(wall.z1, wall.z2)};
  b = Vec{wall.x1, std::fmax(wall.z1, wall.z2)};
  return true;
}

bool CornerInShadow(const WallShadow& shadow, const WorldPoint& corner) {
  const Vec p{corner.x, corner.z};
  if (Dot(Vec{shadow.line_x, shadow.line_z}, p) + shadow.line_d < kBeyondWall) return false;
  // The distance only for corners beyond the wall: most are not.
  const Vec from_eye{p.x - shadow.eye_x, p.z - shadow.eye_z};
  const double inside = kInsideRays + kInsideRaysPerUnit * std::hypot(from_eye.x, from_eye.z);
  return Dot(Vec{shadow.ray1_x, shadow.ray1_z}, from_eye) >= inside &&
         Dot(Vec{shadow.ray2_x, shadow.ray2_z}, from_eye) >= inside;
}

}  // namespace

WallShadow ShadowOf(const WallSegment& wall, const GroundPoint& eye) {
  WallShadow shadow;
  Vec a{}, b{};
  if (!StraightEnds(wall, a, b)) return shadow;
  const Vec e{eye.x, eye.z};
  Vec line = UnitNormal(Vec{b.x - a.x, b.z - a.z});
  double line_d = -Dot(line, a);
  const double eye_side = Dot(line, e) + line_d;
  if (std::fabs(eye_side) < kEdgeOn) return shadow;
  if (eye_side > 0) {  // turn the normal away from the eye
    line = Vec{-line.x, -line.z};
    line_d = -line_d;
  }
  Vec ray1 = UnitNormal(Vec{a.x - e.x, a.z - e.z});
  Vec ray2 = UnitNormal(Vec{b.x - e.x, b.z - e.z});
  // Each ray's normal must point towards the other end.
  if (Dot(ray1, Vec{b.x - e.x, b.z - e.z}) < 0) ray1 = Vec{-ray1.x, -ray1.z};
  if (Dot(ray2, Vec{a.x - e.x, a.z - e.z}) < 0) ray2 = Vec{-ray2.x, -ray2.z};
  shadow.casts = true;
  shadow.eye_x = e.x;
  shadow.eye_z = e.z;
  shadow.line_x = line.x;
  shadow.line_z = line.z;
  shadow.line_d = line_d;
  shadow.ray1_x = ray1.x;
  shadow.ray1_z = ray1.z;
  shadow.ray2_x = ray2.x;
  shadow.ray2_z = ray2.z;
  return shadow;
}

WallShadows ShadowsOf(const std::array<WallSegment, kWallCount>& walls,
                      const GroundPoint& eye) {
  WallShadows shadows;
  for (int i = 0; i < kWallCount; ++i) shadows[i] = ShadowOf(walls[i], eye);
  return shadows;
}

bool QuadBehindWall(const WallShadows& shadows, const QuadCorners& corners) {
  for (const WallShadow& shadow : shadows) {
    if (!shadow.casts) continue;
    bool all_in = true;
    for (const WorldPoint& corner : corners) {
      if (!CornerInShadow(shadow, corner)) {
        all_in = false;
        break;
      }
    }
    if (all_in) return true;
  }
  return false;
}

}  // namespace vorbexia
