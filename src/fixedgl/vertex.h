// A vertex as the layer takes it through lighting and clipping.
#pragma once

#include <array>

namespace fixedgl {

using Vec4 = std::array<float, 4>;

// Its clip coordinates (for the rasterizer), its eye coordinates and normal
// (for the lighting), and its colour: the current one, then the lit one.
struct EyeVertex {
  std::array<float, 4> clip;
  std::array<float, 4> position;
  std::array<float, 3> normal;
  std::array<float, 2> texcoord;
  Vec4 color;
};

}  // namespace fixedgl
