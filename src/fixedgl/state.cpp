#include "fixedgl/state.h"

#include <cmath>
#include <cstddef>

namespace fixedgl {
namespace {

constexpr size_t kAttribDepth = 16;  // OpenGL's least stack depth

Vec4 Product(const Vec4& a, const Vec4& b) {
  return {a[0] * b[0], a[1] * b[1], a[2] * b[2], a[3] * b[3]};
}

void Copy4(const float* from, Vec4& to) {
  for (int i = 0; i < 4; ++i) to[i] = from[i];
}

}  // namespace

int LightIndex(GLenum light) {
  const int index = static_cast<int>(light) - GL_LIGHT0;
  return index >= 0 && index < kLightCount ? index : -1;
}

State::State(int width, int height) {
  values_.viewport = {0, 0, width, height};
  values_.lights[0].diffuse = {1, 1, 1, 1};
  values_.lights[0].specular = {1, 1, 1, 1};
}

void State::SetLight(int index, GLenum pname, const GLfloat* params, const Mat4& modelview) {
  Light& l = values_.lights[index];
  switch (pname) {
    case GL_AMBIENT: Copy4(params, l.ambient); break;
    case GL_DIFFUSE: Copy4(params, l.diffuse); break;
    case GL_SPECULAR: Copy4(params, l.specular); break;
    case GL_POSITION:  // kept in eye coordinates, by today's modelview
      l.position = TransformPoint(modelview, params[0], params[1], params[2], params[3]);
      break;
    case GL_SPOT_DIRECTION:
      l.spot_direction = TransformDirection(modelview, params[0], params[1], params[2]);
      break;
    case GL_SPOT_EXPONENT:
      if (params[0] >= 0 && params[0] <= 128) l.spot_exponent = params[0];
      break;
    case GL_SPOT_CUTOFF:
      if ((params[0] >= 0 && params[0] <= 90) || params[0] == 180) l.spot_cutoff = params[0];
      break;
    case GL_CONSTANT_ATTENUATION:
      if (params[0] >= 0) l.constant_attenuation = params[0];
      break;
    case GL_LINEAR_ATTENUATION:
      if (params[0] >= 0) l.linear_attenuation = params[0];
      break;
    case GL_QUADRATIC_ATTENUATION:
      if (params[0] >= 0) l.quadratic_attenuation = params[0];
      break;
    default:
      break;
  }
}

void State::SetLightModel(GLenum pname, const GLfloat* params) {
  switch (pname) {
    case GL_LIGHT_MODEL_AMBIENT: Copy4(params, values_.light_model_ambient); break;
    case GL_LIGHT_MODEL_LOCAL_VIEWER: values_.local_viewer = params[0] != 0; break;
    case GL_LIGHT_MODEL_TWO_SIDE: values_.two_side = params[0] != 0; break;
    default: break;
  }
}

void State::SetShadeModel(GLenum mode) {
  if (mode == GL_SMOOTH || mode == GL_FLAT) values_.shade_model = mode;
}

bool State::SetEnabled(GLenum cap, bool on) {
  const int light = LightIndex(cap);
  if (light >= 0) {
    values_.light_enabled[light] = on;
    return true;
  }
  switch (cap) {
    case GL_LIGHTING: values_.lighting = on; return true;
    case GL_TEXTURE_2D: values_.texture_2d = on; return true;
    case GL_NORMALIZE: values_.normalize = on; return true;
    case GL_DEPTH_TEST: values_.depth_test = on; return true;
    default: return false;
  }
}

bool State::IsEnabled(GLenum cap, bool& on) const {
  const int light = LightIndex(cap);
  if (light >= 0) {
    on = values_.light_enabled[light];
    return true;
  }
  switch (cap) {
    case GL_LIGHTING: on = values_.lighting; return true;
    case GL_TEXTURE_2D: on = values_.texture_2d; return true;
    case GL_NORMALIZE: on = values_.normalize; return true;
    case GL_DEPTH_TEST: on = values_.depth_test; return true;
    default: return false;
  }
}

bool State::Push(GLbitfield mask) {
  if (stack_.size() >= kAttribDepth) return false;
  stack_.emplace_back(mask, values_);
  return true;
}

void State::Pop() {
  if (stack_.empty()) return;
  const auto [mask, saved] = stack_.back();
  stack_.pop_back();
  AttribState& s = values_;
  if (mask & GL_CURRENT_BIT) {
    s.color = saved.color;
    s.normal = saved.normal;
    s.texcoord = saved.texcoord;
  }
  if (mask & (GL_ENABLE_BIT | GL_LIGHTING_BIT)) {
    s.lighting = saved.lighting;
    s.light_enabled = saved.light_enabled;
  }
  if (mask & (GL_ENABLE_BIT | GL_TEXTURE_BIT)) s.texture_2d = saved.texture_2d;
  if (mask & (GL_ENABLE_BIT | GL_DEPTH_BUFFER_BIT)) s.depth_test = saved.depth_test;
  if (mask & (GL_ENABLE_BIT | GL_TRANSFORM_BIT)) s.normalize = saved.normalize;
  if (mask & GL_LIGHTING_BIT) {
    s.lights = saved.lights;
    s.material = saved.material;
    s.light_model_ambient = saved.light_model_ambient;
    s.local_viewer = saved.local_viewer;
    s.two_side = saved.two_side;
    s.shade_model = saved.shade_model;
  }
  if (mask & GL_DEPTH_BUFFER_BIT) {
    s.depth_func = saved.depth_func;
    s.clear_depth = saved.clear_depth;
  }
  if (mask & GL_COLOR_BUFFER_BIT) s.clear_color = saved.clear_color;
  if (mask & GL_VIEWPORT_BIT) s.viewport = saved.viewport;
  if (mask & GL_TRANSFORM_BIT) s.matrix_mode = saved.matrix_mode;
  if (mask & GL_TEXTURE_BIT) s.texture = saved.texture;
}

bool State::GetFloatv(GLenum pname, GLfloat* params) const {
  switch (pname) {
    case GL_CURRENT_COLOR:
      for (int i = 0; i < 4; ++i) params[i] = values_.color[i];
      return true;
    case GL_CURRENT_NORMAL:
      for (int i = 0; i < 3; ++i) params[i] = values_.normal[i];
      return true;
    case GL_CURRENT_TEXTURE_COORDS:
      params[0] = values_.texcoord[0];
      params[1] = values_.texcoord[1];
      params[2] = 0;
      params[3] = 1;
      return true;
    case GL_LIGHT_MODEL_AMBIENT:
      for (int i = 0; i < 4; ++i) params[i] = values_.light_model_ambient[i];
      return true;
    default:
      return false;
  }
}

bool State::GetIntegerv(GLenum pname, GLint* params) const {
  const AttribState& s = values_;
  switch (pname) {
    case GL_MATRIX_MODE: params[0] = static_cast<GLint>(s.matrix_mode); return true;
    case GL_SHADE_MODEL: params[0] = static_cast<GLint>(s.shade_model); return true;
    case GL_DEPTH_FUNC: params[0] = static_cast<GLint>(s.depth_func); return true;
    case GL_VIEWPORT:
      for (int i = 0; i < 4; ++i) params[i] = s.viewport[i];
      return true;
    case GL_TEXTURE_BINDING_2D: params[0] = static_cast<GLint>(s.texture); return true;
    default: return false;
  }
}

LightingInputs State::Lighting(bool textured) const {
  const AttribState& s = values_;
  LightingInputs u;
  u.lighting = s.lighting;
  u.normalize = s.normalize;
  u.local_viewer = s.local_viewer;
  // Texture object 0 and textures without a picture leave the colour as lit.
  u.texturing = s.texture_2d && textured;
  const Material& m = s.material;
  u.scene_color = Product(m.ambient, s.light_model_ambient);
  for (int i = 0; i < 3; ++i) u.scene_color[i] += m.emission[i];
  u.scene_color[3] = m.diffuse[3];
  u.shininess = m.shininess;
  for (int i = 0; i < kLightCount; ++i) {
    const Light& l = s.lights[i];
    u.light_on[i] = s.light_enabled[i] ? 1.0f : 0.0f;
    u.ambient[i] = Product(l.ambient, m.ambient);
    u.diffuse[i] = Product(l.diffuse, m.diffuse);
    u.specular[i] = Product(l.specular, m.specular);
    u.position[i] = l.position;
    const std::array<float, 3>& d = l.spot_direction;
    const float length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    const float unit = length > 0 ? 1.0f / length : 0.0f;
    // The cut-off's cos as Mesa keeps it: formed in double, stored as float.
    const float cosine =
        l.spot_cutoff == 180 ? -2.0f : static_cast<float>(std::cos(l.spot_cutoff * kPi / 180.0));
    u.spot[i] = {d[0] * unit, d[1] * unit, d[2] * unit, cosine};
    u.attenuation[i] = {l.constant_attenuation, l.linear_attenuation, l.quadratic_attenuation,
                        l.spot_exponent};
  }
  return u;
}

}  // namespace fixedgl
