#include "world/heading.h"

#include "world/trig.h"

namespace vorbexia {
namespace {

double HeadingRadians(float heading) {
  return static_cast<double>(heading) * static_cast<double>(kDegreesToRadians);
}

}  // namespace

GroundPoint PointAhead(float x, float z, float heading, float distance) {
  const double radians = HeadingRadians(heading);
  const double step = distance;
  return {static_cast<float>(static_cast<double>(x) - step * Sine(radians)),
          static_cast<float>(static_cast<double>(z) - step * Cosine(radians))};
}

GroundPoint PointBehind(float x, float z, float heading, float distance) {
  const double radians = HeadingRadians(heading);
  const double step = distance;
  return {static_cast<float>(static_cast<double>(x) + step * Sine(radians)),
          static_cast<float>(static_cast<double>(z) + step * Cosine(radians))};
}

}  // namespace vorbexia
