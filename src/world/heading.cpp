#include "world/heading.h"

#include <cmath>

namespace vorbexia {
namespace {

double HeadingRadians(float heading) {
  return static_cast<double>(heading) * static_cast<double>(kDegreesToRadians);
}

}  // namespace

GroundPoint PointAhead(float x, float z, float heading, float distance) {
  const double radians = HeadingRadians(heading);
  const double step = distance;
  return {static_cast<float>(static_cast<double>(x) - step * std::sin(radians)),
          static_cast<float>(static_cast<double>(z) - step * std::cos(radians))};
}

GroundPoint PointBehind(float x, float z, float heading, float distance) {
  const double radians = HeadingRadians(heading);
  const double step = distance;
  return {static_cast<float>(static_cast<double>(x) + step * std::sin(radians)),
          static_cast<float>(static_cast<double>(z) + step * std::cos(radians))};
}

}  // namespace vorbexia
