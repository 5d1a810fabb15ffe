// A vertex as the layer hands it to the vertex shader.
#pragma once

#include <array>

namespace fixedgl {

using Vec4 = std::array<float, 4>;

// Its clip coordinates (for the rasterizer), its eye coordinates and normal
// (for the lighting), and its colour: the current colour, or with `lit` 1
// the colour already lit on the CPU (vertices made by the near clip).
struct EyeVertex {
  std::array<float, 4> clip;
  std::array<float, 4> position;
  std::array<float, 3> normal;
  std::array<float, 2> texcoord;
  Vec4 color;
  float lit = 0;
};

}  // namespace fixedgl
