#include "fixedgl/es_draw.h"

#include <cmath>
#include <cstddef>

namespace fixedgl {

EsDraw::~EsDraw() {
  if (buffer_ != 0) ::glDeleteBuffers(1, &buffer_);
  if (program_.id != 0) ::glDeleteProgram(program_.id);
}

void EsDraw::Triangle(const EyeVertex& a, const EyeVertex& b, const EyeVertex& c) {
  batch_.push_back(a);
  batch_.push_back(b);
  batch_.push_back(c);
}

void EsDraw::Restore(const AttribState& s) {
  s.depth_test ? ::glEnable(GL_DEPTH_TEST) : ::glDisable(GL_DEPTH_TEST);
  ::glDepthFunc(s.depth_func);
  ::glClearDepthf(s.clear_depth);
  ::glClearColor(s.clear_color[0], s.clear_color[1], s.clear_color[2], s.clear_color[3]);
  ::glViewport(s.viewport[0], s.viewport[1], s.viewport[2], s.viewport[3]);
  // The texture is bound at the next draw or picture that needs it.
}

void EsDraw::Bind(GLuint texture) {
  if (es_texture_ == texture) return;
  es_texture_ = texture;
  ::glBindTexture(GL_TEXTURE_2D, es_texture_);
}

// OpenGL 1.1 takes a component count (1 to 4) for the internal format,
// ES 2 only the format itself.
void EsDraw::TexImage2D(GLuint texture, GLint level, GLsizei width, GLsizei height,
                        GLint border, GLenum format, GLenum type, const void* pixels) {
  Bind(texture);
  ::glTexImage2D(GL_TEXTURE_2D, level, static_cast<GLint>(format), width, height, border, format,
                 type, pixels);
  if (level == 0 && ::glGetError() == GL_NO_ERROR) textures_with_image_.insert(texture);
}

void EsDraw::TexParameteri(GLuint texture, GLenum pname, GLint param) {
  Bind(texture);
  ::glTexParameteri(GL_TEXTURE_2D, pname, param);
}

// The planes of the triangle's s / w, t / w and 1 / w over window
// coordinates are solved in double from the corners' exact places (the
// viewport's transform of their clip coordinates). The rasterizer
// interpolates from its corners snapped to its sub-pixel grid
// (SwiftShader's GL_SUBPIXEL_BITS is 4: 1/16 pixel), and with the corners'
// own values there its planes were tilted: on far, minified walls and
// floors the texture moved by a good part of a texel. So each corner gets
// the planes' values at its snapped place, through which the rasterizer's
// planes are the triangle's own. (Mesa's llvmpipe interpolates from the
// exact corners; snapped to its 1/256 pixel, the values there are off by
// at most the plane's change over 1/512 pixel.) A triangle without area,
// which covers no pixel, gets the first corner's coordinates throughout.
void EsDraw::AddDrawTriangle(const std::array<GLint, 4>& view, const EyeVertex& a,
                             const EyeVertex& b, const EyeVertex& c) {
  const std::array<const EyeVertex*, 3> corner{&a, &b, &c};
  std::array<double, 3> x, y, s, t, q;
  for (int i = 0; i < 3; ++i) {
    const std::array<float, 4>& clip = corner[i]->clip;
    const double w = clip[3];
    x[i] = (clip[0] / w * 0.5 + 0.5) * view[2] + view[0];
    y[i] = (clip[1] / w * 0.5 + 0.5) * view[3] + view[1];
    q[i] = 1 / w;
    s[i] = corner[i]->texcoord[0] * q[i];
    t[i] = corner[i]->texcoord[1] * q[i];
  }
  const double x1 = x[1] - x[0], y1 = y[1] - y[0], x2 = x[2] - x[0], y2 = y[2] - y[0];
  const double area = x1 * y2 - x2 * y1;
  // A plane's slopes along x and y.
  auto slopes = [&](const std::array<double, 3>& f) {
    if (area == 0) return std::array<double, 2>{0, 0};
    return std::array<double, 2>{((f[1] - f[0]) * y2 - (f[2] - f[0]) * y1) / area,
                                 (x1 * (f[2] - f[0]) - x2 * (f[1] - f[0])) / area};
  };
  const std::array<double, 2> ds = slopes(s), dt = slopes(t), dq = slopes(q);
  auto snap = [this](double v) { return grid_ > 0 ? std::nearbyint(v * grid_) / grid_ : v; };
  for (int i = 0; i < 3; ++i) {
    const int k = area == 0 ? 0 : i;
    const double dx = snap(x[k]) - x[k], dy = snap(y[k]) - y[k];
    const double w = corner[i]->clip[3];
    DrawVertex d;
    d.clip = corner[i]->clip;
    d.stq = {static_cast<float>((s[k] + ds[0] * dx + ds[1] * dy) * w),
             static_cast<float>((t[k] + dt[0] * dx + dt[1] * dy) * w),
             static_cast<float>((q[k] + dq[0] * dx + dq[1] * dy) * w)};
    d.color = corner[i]->color;
    draw_.push_back(d);
  }
}

// The program, its sampler (unit 0) and its vertex buffer and layout stay
// in use from the first draw on: nothing else draws in the layer's context.
void EsDraw::SetUpProgram() {
  ::glGenBuffers(1, &buffer_);
  ::glUseProgram(program_.id);
  ::glUniform1i(program_.texture, 0);
  ::glBindBuffer(GL_ARRAY_BUFFER, buffer_);
  constexpr GLsizei stride = sizeof(DrawVertex);
  auto attribute = [](GLint location, int size, size_t offset) {
    if (location < 0) return;
    ::glEnableVertexAttribArray(static_cast<GLuint>(location));
    ::glVertexAttribPointer(static_cast<GLuint>(location), size, GL_FLOAT, GL_FALSE, stride,
                            reinterpret_cast<const void*>(offset));
  };
  attribute(program_.clip, 4, offsetof(DrawVertex, clip));
  attribute(program_.stq, 3, offsetof(DrawVertex, stq));
  attribute(program_.color, 4, offsetof(DrawVertex, color));
  sent_valid_ = false;
  GLint bits = 0;
  ::glGetIntegerv(GL_SUBPIXEL_BITS, &bits);
  grid_ = bits > 0 && bits <= 16 ? static_cast<double>(1 << bits) : 0;
}

void EsDraw::Draw(const std::array<GLint, 4>& viewport, GLuint texture, bool texturing) {
  if (batch_.empty()) return;
  if (program_.id == 0 && !program_failed_) {
    program_failed_ = !BuildProgram(program_);
    if (!program_failed_) SetUpProgram();
  }
  if (program_failed_) {
    batch_.clear();
    return;
  }
  // The one uniform that changes: whether the texture modulates the colour.
  if (!sent_valid_ || static_cast<int>(texturing) != sent_texturing_) {
    sent_valid_ = true;
    sent_texturing_ = texturing;
    ::glUniform1i(program_.texturing, sent_texturing_);
  }
  Bind(texture);
  draw_.clear();
  for (size_t t = 0; t + 2 < batch_.size(); t += 3) {
    AddDrawTriangle(viewport, batch_[t], batch_[t + 1], batch_[t + 2]);
  }
  ::glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(draw_.size() * sizeof(DrawVertex)),
                 draw_.data(), GL_STREAM_DRAW);
  ::glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(batch_.size()));
  batch_.clear();
}

}  // namespace fixedgl
