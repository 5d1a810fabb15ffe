#include "fixedgl/matrix.h"

#include <cmath>

namespace fixedgl {
namespace {

float& At(Mat4& m, int row, int column) { return m[column * 4 + row]; }

}  // namespace

Mat4 Identity() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

Mat4 Multiply(const Mat4& a, const Mat4& b) {
  Mat4 p{};
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      p[c * 4 + r] = a[0 * 4 + r] * b[c * 4 + 0] + a[1 * 4 + r] * b[c * 4 + 1] +
                     a[2 * 4 + r] * b[c * 4 + 2] + a[3 * 4 + r] * b[c * 4 + 3];
    }
  }
  return p;
}

Mat4 Translated(const Mat4& m, float x, float y, float z) {
  Mat4 t = m;
  for (int r = 0; r < 4; ++r) t[12 + r] = m[r] * x + m[4 + r] * y + m[8 + r] * z + m[12 + r];
  return t;
}

Mat4 Scaled(const Mat4& m, float x, float y, float z) {
  Mat4 s = m;
  for (int r = 0; r < 4; ++r) {
    s[r] = m[r] * x;
    s[4 + r] = m[4 + r] * y;
    s[8 + r] = m[8 + r] * z;
  }
  return s;
}

Mat4 Rotated(const Mat4& m, float angle, float x, float y, float z) {
  // As Mesa forms them: the angle in radians rounded to a float, then its
  // float sine and cosine (so a half turn leaves sin = -8.74e-8, not 0).
  const float radians = static_cast<float>(angle * kPi / 180.0);
  const float s = std::sin(radians);
  const float c = std::cos(radians);
  Mat4 r = Identity();
  // A rotation about a coordinate axis is written out directly: its sign
  // follows the axis' sign whatever its length.
  if (x == 0.0f && y == 0.0f && z != 0.0f) {
    At(r, 0, 0) = c;
    At(r, 1, 1) = c;
    At(r, 0, 1) = z < 0 ? s : -s;
    At(r, 1, 0) = z < 0 ? -s : s;
  } else if (x == 0.0f && z == 0.0f && y != 0.0f) {
    At(r, 0, 0) = c;
    At(r, 2, 2) = c;
    At(r, 0, 2) = y < 0 ? -s : s;
    At(r, 2, 0) = y < 0 ? s : -s;
  } else if (y == 0.0f && z == 0.0f && x != 0.0f) {
    At(r, 1, 1) = c;
    At(r, 2, 2) = c;
    At(r, 1, 2) = x < 0 ? s : -s;
    At(r, 2, 1) = x < 0 ? -s : s;
  } else {
    const float length = std::sqrt(x * x + y * y + z * z);
    if (length <= 1.0e-4f) return m;  // no axis: no rotation
    x /= length;
    y /= length;
    z /= length;
    const float xx = x * x, yy = y * y, zz = z * z;
    const float xy = x * y, yz = y * z, zx = z * x;
    const float xs = x * s, ys = y * s, zs = z * s;
    const float one_c = 1.0f - c;
    At(r, 0, 0) = one_c * xx + c;
    At(r, 0, 1) = one_c * xy - zs;
    At(r, 0, 2) = one_c * zx + ys;
    At(r, 1, 0) = one_c * xy + zs;
    At(r, 1, 1) = one_c * yy + c;
    At(r, 1, 2) = one_c * yz - xs;
    At(r, 2, 0) = one_c * zx - ys;
    At(r, 2, 1) = one_c * yz + xs;
    At(r, 2, 2) = one_c * zz + c;
  }
  return Multiply(m, r);
}

Mat4 Ortho(const Mat4& m, double left, double right, double bottom, double top,
           double near_plane, double far_plane) {
  const float l = static_cast<float>(left), r = static_cast<float>(right);
  const float b = static_cast<float>(bottom), t = static_cast<float>(top);
  const float n = static_cast<float>(near_plane), f = static_cast<float>(far_plane);
  Mat4 o = Identity();
  At(o, 0, 0) = 2.0f / (r - l);
  At(o, 0, 3) = -(r + l) / (r - l);
  At(o, 1, 1) = 2.0f / (t - b);
  At(o, 1, 3) = -(t + b) / (t - b);
  At(o, 2, 2) = -2.0f / (f - n);
  At(o, 2, 3) = -(f + n) / (f - n);
  return Multiply(m, o);
}

Mat4 Perspective(const Mat4& m, double fovy_degrees, double aspect,
                 double near_plane, double far_plane) {
  const double radians = fovy_degrees / 2 * kPi / 180;
  const double depth = far_plane - near_plane;
  const double sine = std::sin(radians);
  if (depth == 0 || sine == 0 || aspect == 0) return m;  // GLU leaves it
  const double cotangent = std::cos(radians) / sine;
  Mat4 p{};
  At(p, 0, 0) = static_cast<float>(cotangent / aspect);
  At(p, 1, 1) = static_cast<float>(cotangent);
  At(p, 2, 2) = static_cast<float>(-(far_plane + near_plane) / depth);
  At(p, 3, 2) = -1.0f;
  At(p, 2, 3) = static_cast<float>(-2 * near_plane * far_plane / depth);
  return Multiply(m, p);
}

std::array<float, 9> NormalMatrix(const Mat4& m) {
  auto e = [&m](int r, int c) { return static_cast<double>(m[c * 4 + r]); };
  // Cofactors of the upper 3 x 3; inverse = adjugate / determinant, and
  // its transpose has the cofactors in place.
  const double c00 = e(1, 1) * e(2, 2) - e(1, 2) * e(2, 1);
  const double c01 = e(1, 2) * e(2, 0) - e(1, 0) * e(2, 2);
  const double c02 = e(1, 0) * e(2, 1) - e(1, 1) * e(2, 0);
  const double c10 = e(0, 2) * e(2, 1) - e(0, 1) * e(2, 2);
  const double c11 = e(0, 0) * e(2, 2) - e(0, 2) * e(2, 0);
  const double c12 = e(0, 1) * e(2, 0) - e(0, 0) * e(2, 1);
  const double c20 = e(0, 1) * e(1, 2) - e(0, 2) * e(1, 1);
  const double c21 = e(0, 2) * e(1, 0) - e(0, 0) * e(1, 2);
  const double c22 = e(0, 0) * e(1, 1) - e(0, 1) * e(1, 0);
  const double det = e(0, 0) * c00 + e(0, 1) * c01 + e(0, 2) * c02;
  if (det == 0.0) return {};
  const double cofactors[9] = {c00, c01, c02, c10, c11, c12, c20, c21, c22};
  std::array<float, 9> rows{};
  for (int i = 0; i < 9; ++i) rows[i] = static_cast<float>(cofactors[i] / det);
  return rows;
}

std::array<float, 4> TransformPoint(const Mat4& m, float x, float y, float z, float w) {
  std::array<float, 4> p{};
  for (int r = 0; r < 4; ++r) p[r] = m[r] * x + m[4 + r] * y + m[8 + r] * z + m[12 + r] * w;
  return p;
}

std::array<float, 3> TransformDirection(const Mat4& m, float x, float y, float z) {
  std::array<float, 3> d{};
  for (int r = 0; r < 3; ++r) d[r] = m[r] * x + m[4 + r] * y + m[8 + r] * z;
  return d;
}

}  // namespace fixedgl
