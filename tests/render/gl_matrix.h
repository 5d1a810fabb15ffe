// Reading the modelview matrix back from OpenGL and comparing it.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>

namespace vorbexia {

using Matrix = std::array<float, 16>;  // column-major, as GL keeps it

inline Matrix Modelview() {
  Matrix m{};
  glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
  return m;
}

// Element by element, within `tolerance` (rotations by angles such as 90
// degrees leave a few units in the last place of single precision).
inline void ExpectMatrixNear(const Matrix& actual, const Matrix& expected,
                             double tolerance = 1e-5) {
  for (int i = 0; i < 16; ++i) {
    EXPECT_NEAR(actual[i], expected[i], tolerance) << "element " << i;
  }
}

}  // namespace vorbexia
