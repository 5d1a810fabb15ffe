// Per-vertex (Gouraud) lighting as OpenGL 1.1 defines it, on the CPU: each
// vertex is lit once as it is given (a quad's four corners, not the six of
// its two triangles), and only by the lights that are on, which the
// browser's vertex shader could not skip.
#pragma once

#include <array>

#include "fixedgl/vertex.h"

namespace fixedgl {

constexpr int kLightCount = 8;

// What lights a vertex, with the products of light and material colours
// formed beforehand as Mesa forms them; and whether the texture modulates
// the colour.
struct LightingInputs {
  int lighting = 0, normalize = 0, local_viewer = 0, texturing = 0;
  Vec4 scene_color{};  // emission + material ambient x model ambient; alpha
  float shininess = 0;
  std::array<float, kLightCount> light_on{};
  std::array<Vec4, kLightCount> ambient{}, diffuse{}, specular{}, position{};
  std::array<Vec4, kLightCount> spot{};         // unit direction, cos of the cut-off (< -1: none)
  std::array<Vec4, kLightCount> attenuation{};  // constant, linear, quadratic, spot exponent
};

// The vertex's colour: lit when lighting is on, else its current colour,
// clamped to [0, 1] either way:
//   colour = emission + ambient_material * model_ambient
//          + sum over lights of attenuation * spot *
//            (ambient + max(N.L, 0) diffuse + (N.L > 0 ? max(N.H, 0)^shininess : 0) specular)
// N is the eye normal as given (unit only with GL_NORMALIZE), L the unit
// vector to the light, H the unit half vector towards an infinitely far
// viewer (0, 0, 1) or a local one. A spot lights what lies strictly inside
// its cone (cos of the angle above the cut-off's cos), by the cos to the
// power of the exponent. In single precision, as Mesa lights.
Vec4 ShadedColour(const LightingInputs& u, const EyeVertex& v);

}  // namespace fixedgl
