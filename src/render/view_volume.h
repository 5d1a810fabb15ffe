// The part of the world the camera can see, as the six planes of the view
// volume in world coordinates. A maze quad whose four corners all lie
// beyond one of the planes yields no pixel at all, so it need not be drawn.
#pragma once

#include <array>

namespace vorbexia {

// A corner of a maze quad, in world units.
struct WorldPoint {
  float x, y, z;
};

using QuadCorners = std::array<WorldPoint, 4>;

// Each plane (a, b, c, d) keeps the points with a x + b y + c z + d >= 0;
// (a, b, c) has unit length, so the sum is a distance in world units.
// Order: left, right, bottom, top, near, far.
struct ViewVolume {
  std::array<std::array<double, 4>, 6> planes;
};

// The volume of projection x modelview, both column-major as OpenGL keeps
// them. With the camera transform as the modelview matrix the planes are in
// world coordinates.
ViewVolume ViewVolumeOf(const std::array<float, 16>& projection,
                        const std::array<float, 16>& modelview);

// The volume of the projection and modelview matrices OpenGL holds now.
ViewVolume CurrentViewVolume();

// True when every corner lies more than a hair (0.001 world units, far more
// than the rounding of OpenGL's own single-precision transform) beyond one
// and the same plane: the quad cannot cover a pixel. Anything nearer is
// kept, so a quad that might show is never left out.
bool QuadOutside(const ViewVolume& view, const QuadCorners& corners);

// True when the whole ball of `radius` world units around `centre` lies
// more than the same hair beyond one plane.
bool BallOutside(const ViewVolume& view, const WorldPoint& centre, double radius);

}  // namespace vorbexia
