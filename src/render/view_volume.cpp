#include "render/view_volume.h"

#include "render/gl_api.h"

#include <cmath>

namespace vorbexia {
namespace {

// Beyond a plane by more than this many world units: outside for certain.
constexpr double kMargin = 1e-3;

using Row = std::array<double, 4>;

// Row `r` of the product projection x modelview (column-major inputs).
Row ProductRow(const std::array<float, 16>& projection,
               const std::array<float, 16>& modelview, int r) {
  Row row{};
  for (int column = 0; column < 4; ++column) {
    for (int k = 0; k < 4; ++k) {
      row[column] += static_cast<double>(projection[k * 4 + r]) *
                     static_cast<double>(modelview[column * 4 + k]);
    }
  }
  return row;
}

// w + sign * axis >= 0 is one side of the clip volume (-w <= axis <= w),
// scaled so that its value is a distance. A plane without direction (which
// no real projection gives) keeps everything.
Row ClipPlane(const Row& axis, const Row& w, double sign) {
  Row plane{};
  for (int i = 0; i < 4; ++i) plane[i] = w[i] + sign * axis[i];
  const double length = std::sqrt(plane[0] * plane[0] + plane[1] * plane[1] +
                                  plane[2] * plane[2]);
  if (length == 0.0) return Row{0.0, 0.0, 0.0, 1.0};
  for (double& value : plane) value /= length;
  return plane;
}

double Distance(const Row& plane, const WorldPoint& p) {
  return plane[0] * p.x + plane[1] * p.y + plane[2] * p.z + plane[3];
}

}  // namespace

ViewVolume ViewVolumeOf(const std::array<float, 16>& projection,
                        const std::array<float, 16>& modelview) {
  const Row x = ProductRow(projection, modelview, 0);
  const Row y = ProductRow(projection, modelview, 1);
  const Row z = ProductRow(projection, modelview, 2);
  const Row w = ProductRow(projection, modelview, 3);
  return ViewVolume{{ClipPlane(x, w, 1.0), ClipPlane(x, w, -1.0),
                     ClipPlane(y, w, 1.0), ClipPlane(y, w, -1.0),
                     ClipPlane(z, w, 1.0), ClipPlane(z, w, -1.0)}};
}

ViewVolume CurrentViewVolume() {
  std::array<float, 16> projection{};
  std::array<float, 16> modelview{};
  glGetFloatv(GL_PROJECTION_MATRIX, projection.data());
  glGetFloatv(GL_MODELVIEW_MATRIX, modelview.data());
  return ViewVolumeOf(projection, modelview);
}

bool QuadOutside(const ViewVolume& view, const QuadCorners& corners) {
  for (const Row& plane : view.planes) {
    bool all_beyond = true;
    for (const WorldPoint& corner : corners) {
      if (Distance(plane, corner) >= -kMargin) {
        all_beyond = false;
        break;
      }
    }
    if (all_beyond) return true;
  }
  return false;
}

bool BallOutside(const ViewVolume& view, const WorldPoint& centre, double radius) {
  for (const Row& plane : view.planes) {
    if (Distance(plane, centre) < -(radius + kMargin)) return true;
  }
  return false;
}

}  // namespace vorbexia
