#include "fixedgl/lighting.h"

#include <algorithm>
#include <cmath>

namespace fixedgl {
namespace {

using Vec3 = std::array<float, 3>;

float Dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Vec3 Unit(const Vec3& a) {
  const float length = std::sqrt(Dot(a, a));
  return length > 0 ? Vec3{a[0] / length, a[1] / length, a[2] / length} : a;
}

float Unit1(float c) { return std::clamp(c, 0.0f, 1.0f); }

}  // namespace

Vec4 ShadedColour(const LightingInputs& u, const EyeVertex& v) {
  if (u.lighting == 0) {
    return {Unit1(v.color[0]), Unit1(v.color[1]), Unit1(v.color[2]), Unit1(v.color[3])};
  }
  const float w = v.position[3];
  const Vec3 eye{v.position[0] / w, v.position[1] / w, v.position[2] / w};
  const Vec3 n = u.normalize != 0 ? Unit(v.normal) : v.normal;
  Vec3 colour{u.scene_color[0], u.scene_color[1], u.scene_color[2]};
  for (int i = 0; i < kLightCount; ++i) {
    if (u.light_on[i] == 0) continue;
    const Vec4& p = u.position[i];
    Vec3 to_light;
    float factor = 1;
    if (p[3] != 0) {
      to_light = {p[0] / p[3] - eye[0], p[1] / p[3] - eye[1], p[2] / p[3] - eye[2]};
      const float d = std::sqrt(Dot(to_light, to_light));
      for (float& c : to_light) c /= d;
      const Vec4& k = u.attenuation[i];
      if (k[0] != 1 || k[1] != 0 || k[2] != 0) factor = 1 / (k[0] + k[1] * d + k[2] * d * d);
    } else {
      to_light = Unit({p[0], p[1], p[2]});
    }
    const Vec4& spot = u.spot[i];
    if (spot[3] >= -1) {
      const float cosine = -Dot(to_light, {spot[0], spot[1], spot[2]});
      if (cosine > spot[3]) {
        if (u.attenuation[i][3] != 0) factor *= std::pow(cosine, u.attenuation[i][3]);
      } else {
        factor = 0;
      }
    }
    const float n_dot_l = Dot(n, to_light);
    Vec3 term;
    for (int c = 0; c < 3; ++c) term[c] = u.ambient[i][c] + std::max(n_dot_l, 0.0f) * u.diffuse[i][c];
    if (n_dot_l > 0) {
      const Vec3 viewer = u.local_viewer != 0 ? Unit({-eye[0], -eye[1], -eye[2]}) : Vec3{0, 0, 1};
      const Vec3 half = Unit({to_light[0] + viewer[0], to_light[1] + viewer[1],
                              to_light[2] + viewer[2]});
      const float n_dot_h = std::max(Dot(n, half), 0.0f);
      const float power = u.shininess == 0 ? 1 : std::pow(n_dot_h, u.shininess);
      for (int c = 0; c < 3; ++c) term[c] += power * u.specular[i][c];
    }
    for (int c = 0; c < 3; ++c) colour[c] += factor * term[c];
  }
  return {Unit1(colour[0]), Unit1(colour[1]), Unit1(colour[2]), Unit1(u.scene_color[3])};
}

}  // namespace fixedgl
