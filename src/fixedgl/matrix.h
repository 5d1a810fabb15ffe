// 4 x 4 float matrices, column-major as OpenGL keeps them, with the
// operations of the fixed-function matrix stack. Each is formed the way
// Mesa forms it (single precision, angles converted in double), so that the
// same commands give the same matrices as the desktop driver.
#pragma once

#include <array>

namespace fixedgl {

inline constexpr double kPi = 3.14159265358979323846;

using Mat4 = std::array<float, 16>;  // element (row r, column c) at [c * 4 + r]

Mat4 Identity();
// a x b, each element a plain sum of four float products.
Mat4 Multiply(const Mat4& a, const Mat4& b);

// m x translation, m x scale, m x rotation (angle in degrees about the
// axis (x, y, z), normalised when it is not a coordinate axis).
Mat4 Translated(const Mat4& m, float x, float y, float z);
Mat4 Scaled(const Mat4& m, float x, float y, float z);
Mat4 Rotated(const Mat4& m, float angle, float x, float y, float z);
// m x the parallel projection of glOrtho / the projection of gluPerspective
// (whose matrix GLU forms in double and OpenGL takes in single precision).
Mat4 Ortho(const Mat4& m, double left, double right, double bottom, double top,
           double near_plane, double far_plane);
Mat4 Perspective(const Mat4& m, double fovy_degrees, double aspect,
                 double near_plane, double far_plane);

// The matrix normals are carried by: the transposed inverse of m's upper
// 3 x 3, as rows (n_eye[i] = row i . n). A singular m gives zeros.
std::array<float, 9> NormalMatrix(const Mat4& m);

// m x (x, y, z, w) and m's upper 3 x 3 x (x, y, z).
std::array<float, 4> TransformPoint(const Mat4& m, float x, float y, float z, float w);
std::array<float, 3> TransformDirection(const Mat4& m, float x, float y, float z);

}  // namespace fixedgl
