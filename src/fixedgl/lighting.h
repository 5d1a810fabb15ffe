// The lighting's inputs as the shader program takes them, and the same
// per-vertex lighting on the CPU for the few vertices the near clip makes.
#pragma once

#include <array>

#include "fixedgl/vertex.h"

namespace fixedgl {

constexpr int kLightCount = 8;

// The program's uniforms, with the products of light and material colours
// formed beforehand as Mesa forms them.
struct UniformValues {
  int lighting = 0, normalize = 0, local_viewer = 0, texturing = 0;
  Vec4 scene_color{};  // emission + material ambient x model ambient; alpha
  float shininess = 0;
  std::array<float, kLightCount> light_on{};
  std::array<Vec4, kLightCount> ambient{}, diffuse{}, specular{}, position{};
  std::array<Vec4, kLightCount> spot{};         // unit direction, cos of the cut-off (< -1: none)
  std::array<Vec4, kLightCount> attenuation{};  // constant, linear, quadratic, spot exponent
};

// The vertex's colour as the vertex shader forms it (program.cpp): lit when
// lighting is on, else its current colour, clamped to [0, 1] either way.
Vec4 ShadedColour(const UniformValues& u, const EyeVertex& v);

}  // namespace fixedgl
