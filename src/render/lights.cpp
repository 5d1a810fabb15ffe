#include "render/lights.h"

#include "render/gl_api.h"

namespace vorbexia {
namespace {

// 0.35000002 is the float one unit in the last place above 0.35f: lights 0
// and 5 hang that far above the eye, at 0.8 world units over the floor.
constexpr float kHighMark = 0.35000002f;

// A light that stands still in the world: its floor point (x, z) and its
// height above the eye.
struct LightStand {
  float x;
  float height;
  float z;
};

constexpr std::array<LightStand, kLightCount> kLightStands = {{
    {1.0f, kHighMark, 19.0f},
    {11.0f, 0.3f, 34.0f},
    {12.0f, 0.45f, 2.0f},
    {12.0f, 0.45f, 16.0f},
    {0.0f, 0.3f, 0.0f},  // light 4 follows the viewer (see below)
    {31.0f, kHighMark, 9.0f},
    {49.0f, 0.3f, 2.0f},
    {49.0f, 0.45f, 19.0f},
}};

constexpr int kViewerLight = 4;

}  // namespace

void ConfigureLights() {
  for (int n = 0; n < kLightCount; ++n) {
    const GLenum light = GL_LIGHT0 + n;
    glLightfv(light, GL_AMBIENT, LightTable[n].ambient.data());
    glLightfv(light, GL_SPOT_DIRECTION, LightTable[n].spot_direction.data());
    glLightf(light, GL_SPOT_CUTOFF, kSpotCutoffs[n]);
    glEnable(light);
  }
}

std::array<LightPosition, kLightCount> LightPositions(float px, float pz) {
  std::array<LightPosition, kLightCount> positions{};
  for (int n = 0; n < kLightCount; ++n) {
    const LightStand& stand = kLightStands[n];
    // Light 4 stands at the viewer's own point: px - px, always 0.
    const float x = n == kViewerLight ? px : stand.x;
    const float z = n == kViewerLight ? pz : stand.z;
    positions[n] = {x - px, stand.height, z - pz, 1.0f};
  }
  return positions;
}

void PlaceLights(float px, float pz) {
  const std::array<LightPosition, kLightCount> positions =
      LightPositions(px, pz);
  for (int n = 0; n < kLightCount; ++n) {
    glLightfv(GL_LIGHT0 + n, GL_POSITION, positions[n].data());
  }
}

}  // namespace vorbexia
