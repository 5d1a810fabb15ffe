#include "fixedgl/context.h"

#include <cmath>
#include <cstddef>

#include "fixedgl/near_clip.h"

namespace fixedgl {
namespace {

constexpr size_t kModelviewDepth = 32;   // OpenGL's least stack depths
constexpr size_t kProjectionDepth = 2;
constexpr size_t kAttribDepth = 16;
constexpr int kListNesting = 64;
constexpr double kPi = 3.14159265358979323846;

int LightIndex(GLenum light) {
  const int index = static_cast<int>(light) - GL_LIGHT0;
  return index >= 0 && index < kLightCount ? index : -1;
}

Vec4 Product(const Vec4& a, const Vec4& b) {
  return {a[0] * b[0], a[1] * b[1], a[2] * b[2], a[3] * b[3]};
}

void Copy4(const float* from, Vec4& to) {
  for (int i = 0; i < 4; ++i) to[i] = from[i];
}


}  // namespace

Context::Context(int width, int height) {
  state_.viewport = {0, 0, width, height};
  state_.lights[0].diffuse = {1, 1, 1, 1};
  state_.lights[0].specular = {1, 1, 1, 1};
}

Context::~Context() {
  if (buffer_ != 0) ::glDeleteBuffers(1, &buffer_);
  if (program_.id != 0) ::glDeleteProgram(program_.id);
}

bool Context::Record(Op op, GLenum name, float a, float b, float c, float d) {
  if (compiling_ == 0) return false;
  compiled_.push_back(Command{op, name, {a, b, c, d}});
  return compile_mode_ == GL_COMPILE;
}

// ---- Vertices and primitives ----

void Context::Begin(unsigned mode) {
  if (Record(Op::kBegin, mode) || in_primitive_) return;
  if (mode != GL_QUADS) EndQuadRun();
  in_primitive_ = true;
  primitive_mode_ = mode;
  primitive_.clear();
}

void Context::Normal(float x, float y, float z) {
  if (Record(Op::kNormal, 0, x, y, z)) return;
  state_.normal = {x, y, z};
}

void Context::TexCoord(float s, float t) {
  if (Record(Op::kTexCoord, 0, s, t)) return;
  state_.texcoord = {s, t};
}

void Context::Color(float r, float g, float b, float a) {
  if (Record(Op::kColor, 0, r, g, b, a)) return;
  state_.color = {r, g, b, a};
}

void Context::Vertex(float x, float y, float z) {
  if (Record(Op::kVertex, 0, x, y, z) || !in_primitive_) return;
  EyeVertex v;
  v.clip = TransformPoint(model_view_projection_, x, y, z, 1.0f);
  v.position = TransformPoint(modelview(), x, y, z, 1.0f);
  const std::array<float, 9>& m = normal_matrix_;
  const std::array<float, 3>& n = state_.normal;
  for (int r = 0; r < 3; ++r) v.normal[r] = m[r * 3] * n[0] + m[r * 3 + 1] * n[1] + m[r * 3 + 2] * n[2];
  v.texcoord = state_.texcoord;
  v.color = state_.color;
  v.color = ShadedColour(Lighting(), v);
  primitive_.push_back(v);
}

void Context::End() {
  if (Record(Op::kEnd) || !in_primitive_) return;
  in_primitive_ = false;
  Triangles(primitive_);
  primitive_.clear();
}

void Context::Emit(const EyeVertex& a, const EyeVertex& b, const EyeVertex& c) {
  if (BehindNear(a) || BehindNear(b) || BehindNear(c)) return EmitClipped(a, b, c);
  batch_.push_back(a);
  batch_.push_back(b);
  batch_.push_back(c);
}

// Mesa lights the corners (as Vertex does) and then cuts, taking the lit
// colours along the cut edges; the polygon goes out as a fan around its
// first vertex, which comes last in each triangle.
void Context::EmitClipped(const EyeVertex& a, const EyeVertex& b, const EyeVertex& c) {
  std::array<EyeVertex, 4> polygon;
  const int count = ClipNear(a, b, c, polygon);
  for (int i = 2; i < count; ++i) {
    batch_.push_back(polygon[i - 1]);
    batch_.push_back(polygon[i]);
    batch_.push_back(polygon[0]);
  }
}

namespace {

// Whether the vertex lies outside the clip volume (-w <= x, y, z <= w).
bool Outside(const EyeVertex& v) {
  const float w = v.clip[3];
  for (int i = 0; i < 3; ++i) {
    if (v.clip[i] > w || v.clip[i] < -w) return true;
  }
  return false;
}

}  // namespace

// Quads are cut along a diagonal, and with colours lit at the corners the
// diagonal shows (and the depths of coplanar quads round apart). OpenGL
// leaves the cut open; this takes Mesa's (llvmpipe's, with the last vertex
// provoking). Mesa draws a run of quads, i.e. the quads between two state
// changes, as one draw. When no vertex of the run needs clipping, the
// rasterizer gets the quads whole and cuts each along its first and third
// corners; otherwise the run goes through the clipper, which cuts each
// along its second and fourth. So quads are gathered here until the run
// ends (EndQuadRun). Each quad of a strip is cut along its first and last
// vertex either way.
void Context::Triangles(const std::vector<EyeVertex>& v) {
  const size_t n = v.size();
  switch (primitive_mode_) {
    case GL_TRIANGLES:
      for (size_t i = 0; i + 2 < n; i += 3) Emit(v[i], v[i + 1], v[i + 2]);
      break;
    case GL_TRIANGLE_STRIP:
      for (size_t i = 0; i + 2 < n; ++i) {
        if (i % 2 == 0) Emit(v[i], v[i + 1], v[i + 2]);
        else Emit(v[i + 1], v[i], v[i + 2]);
      }
      break;
    case GL_TRIANGLE_FAN:
      for (size_t i = 1; i + 1 < n; ++i) Emit(v[0], v[i], v[i + 1]);
      break;
    case GL_POLYGON:  // the first vertex last
      for (size_t i = 1; i + 1 < n; ++i) Emit(v[i], v[i + 1], v[0]);
      break;
    case GL_QUADS:
      for (size_t i = 0; i + 3 < n; i += 4) {
        for (size_t k = i; k < i + 4; ++k) {
          quad_run_clipped_ = quad_run_clipped_ || Outside(v[k]);
          quad_run_.push_back(v[k]);
        }
      }
      break;
    case GL_QUAD_STRIP:
      for (size_t i = 0; i + 3 < n; i += 2) {
        Emit(v[i], v[i + 1], v[i + 3]);
        Emit(v[i + 2], v[i], v[i + 3]);
      }
      break;
    default:
      break;  // points and lines are not drawn
  }
}

void Context::EndQuadRun() {
  const std::vector<EyeVertex>& q = quad_run_;
  for (size_t i = 0; i + 3 < q.size(); i += 4) {
    if (quad_run_clipped_) {
      Emit(q[i], q[i + 1], q[i + 3]);
      Emit(q[i + 1], q[i + 2], q[i + 3]);
    } else {
      Emit(q[i], q[i + 1], q[i + 2]);
      Emit(q[i], q[i + 2], q[i + 3]);
    }
  }
  quad_run_.clear();
  quad_run_clipped_ = false;
}

// ---- Matrices ----

std::vector<Mat4>& Context::Stack() {
  return state_.matrix_mode == GL_PROJECTION ? projection_ : modelview_;
}

void Context::MatrixChanged() {
  EndQuadRun();  // Mesa ends its run of vertices at every matrix change
  if (state_.matrix_mode == GL_MODELVIEW) normal_matrix_ = NormalMatrix(modelview());
  model_view_projection_ = Multiply(projection(), modelview());
}

void Context::MatrixMode(GLenum mode) {
  if (Record(Op::kMatrixMode, mode)) return;
  if (mode == GL_MODELVIEW || mode == GL_PROJECTION) state_.matrix_mode = mode;
}

#define FIXEDGL_MATRIX_CHANGE(expression) \
  do {                                    \
    expression;                           \
    MatrixChanged();                      \
  } while (0)

void Context::LoadIdentity() {
  if (Record(Op::kLoadIdentity) || in_primitive_) return;
  FIXEDGL_MATRIX_CHANGE(Stack().back() = Identity());
}

void Context::PushMatrix() {
  if (Record(Op::kPushMatrix) || in_primitive_) return;
  std::vector<Mat4>& stack = Stack();
  const size_t depth = state_.matrix_mode == GL_PROJECTION ? kProjectionDepth : kModelviewDepth;
  EndQuadRun();
  if (stack.size() < depth) stack.push_back(stack.back());  // else GL_STACK_OVERFLOW
}

void Context::PopMatrix() {
  if (Record(Op::kPopMatrix) || in_primitive_) return;
  if (Stack().size() < 2) return;  // GL_STACK_UNDERFLOW
  FIXEDGL_MATRIX_CHANGE(Stack().pop_back());
}

void Context::Translate(float x, float y, float z) {
  if (Record(Op::kTranslate, 0, x, y, z) || in_primitive_) return;
  FIXEDGL_MATRIX_CHANGE(Stack().back() = Translated(Stack().back(), x, y, z));
}

void Context::Rotate(float angle, float x, float y, float z) {
  if (Record(Op::kRotate, 0, angle, x, y, z) || in_primitive_) return;
  FIXEDGL_MATRIX_CHANGE(Stack().back() = Rotated(Stack().back(), angle, x, y, z));
}

void Context::Scale(float x, float y, float z) {
  if (Record(Op::kScale, 0, x, y, z) || in_primitive_) return;
  FIXEDGL_MATRIX_CHANGE(Stack().back() = Scaled(Stack().back(), x, y, z));
}

// glOrtho and gluPerspective are executed at once, even while a list is
// compiled (the renderer never compiles them).
void Context::Ortho(double left, double right, double bottom, double top,
                    double near_plane, double far_plane) {
  if (in_primitive_) return;
  FIXEDGL_MATRIX_CHANGE(Stack().back() = fixedgl::Ortho(Stack().back(), left, right, bottom,
                                                        top, near_plane, far_plane));
}

void Context::Perspective(double fovy, double aspect, double near_plane, double far_plane) {
  if (in_primitive_) return;
  FIXEDGL_MATRIX_CHANGE(Stack().back() = fixedgl::Perspective(Stack().back(), fovy, aspect,
                                                              near_plane, far_plane));
}

#undef FIXEDGL_MATRIX_CHANGE

// ---- Display lists ----

GLuint Context::GenLists(GLsizei range) {
  if (range <= 0) return 0;
  GLuint first = 1;
  // The first run of `range` free names.
  for (auto it = lists_.lower_bound(first); it != lists_.end() && it->first < first + range;
       it = lists_.lower_bound(first)) {
    first = it->first + 1;
  }
  for (GLsizei i = 0; i < range; ++i) lists_[first + i];  // reserved, empty
  return first;
}

void Context::NewList(GLuint list, GLenum mode) {
  if (list == 0 || compiling_ != 0 || in_primitive_) return;
  if (mode != GL_COMPILE && mode != GL_COMPILE_AND_EXECUTE) return;
  compiling_ = list;
  compile_mode_ = mode;
  compiled_.clear();
}

void Context::EndList() {
  if (compiling_ == 0) return;
  lists_[compiling_] = std::move(compiled_);
  compiled_.clear();
  compiling_ = 0;
}

void Context::CallList(GLuint list) {
  if (Record(Op::kCallList, list)) return;
  const auto it = lists_.find(list);
  if (it == lists_.end() || list_depth_ >= kListNesting) return;
  EndQuadRun();  // a list's vertices are drawn apart from those around it
  ++list_depth_;
  // A copy: a list may be compiled anew while this one runs.
  const std::vector<Command> commands = it->second;
  for (const Command& command : commands) Run(command);
  --list_depth_;
  EndQuadRun();
}

void Context::Run(const Command& command) {
  const std::array<float, 4>& v = command.values;
  switch (command.op) {
    case Op::kBegin: Begin(command.name); break;
    case Op::kEnd: End(); break;
    case Op::kVertex: Vertex(v[0], v[1], v[2]); break;
    case Op::kNormal: Normal(v[0], v[1], v[2]); break;
    case Op::kTexCoord: TexCoord(v[0], v[1]); break;
    case Op::kColor: Color(v[0], v[1], v[2], v[3]); break;
    case Op::kMatrixMode: MatrixMode(command.name); break;
    case Op::kLoadIdentity: LoadIdentity(); break;
    case Op::kPushMatrix: PushMatrix(); break;
    case Op::kPopMatrix: PopMatrix(); break;
    case Op::kTranslate: Translate(v[0], v[1], v[2]); break;
    case Op::kRotate: Rotate(v[0], v[1], v[2], v[3]); break;
    case Op::kScale: Scale(v[0], v[1], v[2]); break;
    case Op::kCallList: CallList(command.name); break;
    case Op::kBindTexture: BindTexture(GL_TEXTURE_2D, command.name); break;
    case Op::kEnable: Enable(command.name, true); break;
    case Op::kDisable: Enable(command.name, false); break;
  }
}

// ---- Lighting ----

void Context::Lightfv(GLenum light, GLenum pname, const GLfloat* params) {
  const int index = LightIndex(light);
  if (index < 0 || in_primitive_) return;
  Flush();
  StateChanged();
  Light& l = state_.lights[index];
  switch (pname) {
    case GL_AMBIENT: Copy4(params, l.ambient); break;
    case GL_DIFFUSE: Copy4(params, l.diffuse); break;
    case GL_SPECULAR: Copy4(params, l.specular); break;
    case GL_POSITION:  // kept in eye coordinates, by today's modelview
      l.position = TransformPoint(modelview(), params[0], params[1], params[2], params[3]);
      break;
    case GL_SPOT_DIRECTION:
      l.spot_direction = TransformDirection(modelview(), params[0], params[1], params[2]);
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

void Context::LightModelfv(GLenum pname, const GLfloat* params) {
  if (in_primitive_) return;
  Flush();
  StateChanged();
  switch (pname) {
    case GL_LIGHT_MODEL_AMBIENT: Copy4(params, state_.light_model_ambient); break;
    case GL_LIGHT_MODEL_LOCAL_VIEWER: state_.local_viewer = params[0] != 0; break;
    case GL_LIGHT_MODEL_TWO_SIDE: state_.two_side = params[0] != 0; break;
    default: break;
  }
}

void Context::ShadeModel(GLenum mode) {
  if (mode == GL_SMOOTH || mode == GL_FLAT) state_.shade_model = mode;
}

// ---- Enables and the attribute stack ----

void Context::Enable(GLenum cap, bool on) {
  if (Record(on ? Op::kEnable : Op::kDisable, cap) || in_primitive_) return;
  Flush();
  StateChanged();
  const int light = LightIndex(cap);
  if (light >= 0) {
    state_.light_enabled[light] = on;
    return;
  }
  switch (cap) {
    case GL_LIGHTING: state_.lighting = on; break;
    case GL_TEXTURE_2D: state_.texture_2d = on; break;
    case GL_NORMALIZE: state_.normalize = on; break;
    case GL_DEPTH_TEST:
      state_.depth_test = on;
      on ? ::glEnable(cap) : ::glDisable(cap);
      break;
    default:  // what ES 2 has itself (culling, blending...), not kept here
      on ? ::glEnable(cap) : ::glDisable(cap);
      break;
  }
}

bool Context::IsEnabled(GLenum cap) const {
  const int light = LightIndex(cap);
  if (light >= 0) return state_.light_enabled[light];
  switch (cap) {
    case GL_LIGHTING: return state_.lighting;
    case GL_TEXTURE_2D: return state_.texture_2d;
    case GL_NORMALIZE: return state_.normalize;
    case GL_DEPTH_TEST: return state_.depth_test;
    default: return ::glIsEnabled(cap) == GL_TRUE;
  }
}

void Context::PushAttrib(GLbitfield mask) {
  if (in_primitive_ || attrib_stack_.size() >= kAttribDepth) return;
  attrib_stack_.emplace_back(mask, state_);
}

void Context::PopAttrib() {
  if (in_primitive_ || attrib_stack_.empty()) return;
  Flush();
  StateChanged();
  const auto [mask, saved] = attrib_stack_.back();
  attrib_stack_.pop_back();
  AttribState& s = state_;
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
  RestoreEsState();
}

// Hands the restored state that ES 2 keeps back to ES 2.
void Context::RestoreEsState() {
  const AttribState& s = state_;
  s.depth_test ? ::glEnable(GL_DEPTH_TEST) : ::glDisable(GL_DEPTH_TEST);
  ::glDepthFunc(s.depth_func);
  ::glClearDepthf(s.clear_depth);
  ::glClearColor(s.clear_color[0], s.clear_color[1], s.clear_color[2], s.clear_color[3]);
  ::glViewport(s.viewport[0], s.viewport[1], s.viewport[2], s.viewport[3]);
  // The texture is bound at the next draw or picture that needs it.
}

void Context::BindEsTexture() {
  if (es_texture_ == state_.texture) return;
  es_texture_ = state_.texture;
  ::glBindTexture(GL_TEXTURE_2D, es_texture_);
}

// ---- Queries ----

bool Context::GetFloatv(GLenum pname, GLfloat* params) const {
  switch (pname) {
    case GL_MODELVIEW_MATRIX:
      for (int i = 0; i < 16; ++i) params[i] = modelview()[i];
      return true;
    case GL_PROJECTION_MATRIX:
      for (int i = 0; i < 16; ++i) params[i] = projection()[i];
      return true;
    case GL_CURRENT_COLOR:
      for (int i = 0; i < 4; ++i) params[i] = state_.color[i];
      return true;
    case GL_CURRENT_NORMAL:
      for (int i = 0; i < 3; ++i) params[i] = state_.normal[i];
      return true;
    case GL_CURRENT_TEXTURE_COORDS:
      params[0] = state_.texcoord[0];
      params[1] = state_.texcoord[1];
      params[2] = 0;
      params[3] = 1;
      return true;
    case GL_LIGHT_MODEL_AMBIENT:
      for (int i = 0; i < 4; ++i) params[i] = state_.light_model_ambient[i];
      return true;
    default:
      return false;
  }
}

bool Context::GetIntegerv(GLenum pname, GLint* params) const {
  switch (pname) {
    case GL_MATRIX_MODE: params[0] = static_cast<GLint>(state_.matrix_mode); return true;
    case GL_SHADE_MODEL: params[0] = static_cast<GLint>(state_.shade_model); return true;
    case GL_DEPTH_FUNC: params[0] = static_cast<GLint>(state_.depth_func); return true;
    case GL_VIEWPORT:
      for (int i = 0; i < 4; ++i) params[i] = state_.viewport[i];
      return true;
    case GL_TEXTURE_BINDING_2D: params[0] = static_cast<GLint>(state_.texture); return true;
    default: return false;
  }
}

// ---- Buffers, viewport and textures (kept by ES 2 too) ----

void Context::Viewport(GLint x, GLint y, GLsizei width, GLsizei height) {
  if (width < 0 || height < 0) return;
  Flush();
  state_.viewport = {x, y, width, height};
  ::glViewport(x, y, width, height);
}

void Context::ClearColor(float r, float g, float b, float a) {
  auto unit = [](float c) { return c < 0 ? 0.0f : (c > 1 ? 1.0f : c); };
  state_.clear_color = {unit(r), unit(g), unit(b), unit(a)};
  ::glClearColor(r, g, b, a);
}

void Context::ClearDepth(double depth) {
  state_.clear_depth = static_cast<GLfloat>(depth < 0 ? 0 : (depth > 1 ? 1 : depth));
  ::glClearDepthf(state_.clear_depth);
}

void Context::Clear(GLbitfield mask) {
  if (in_primitive_) return;
  Flush();
  ::glClear(mask);
}

void Context::DepthFunc(GLenum func) {
  Flush();
  state_.depth_func = func;
  ::glDepthFunc(func);
}

void Context::BindTexture(GLenum target, GLuint texture) {
  if (Record(Op::kBindTexture, texture) || in_primitive_) return;
  if (target != GL_TEXTURE_2D || texture == state_.texture) return;
  Flush();
  StateChanged();  // the texture may have no picture: untextured
  state_.texture = texture;  // bound in ES 2 when drawn with or given a picture
}

// OpenGL 1.1 takes a component count (1 to 4) for the internal format,
// ES 2 only the format itself.
void Context::TexImage2D(GLint level, GLint internal_format, GLsizei width, GLsizei height,
                         GLint border, GLenum format, GLenum type, const void* pixels) {
  Flush();
  StateChanged();
  (void)internal_format;
  BindEsTexture();
  ::glTexImage2D(GL_TEXTURE_2D, level, static_cast<GLint>(format), width, height, border, format,
               type, pixels);
  if (level == 0 && ::glGetError() == GL_NO_ERROR) textures_with_image_.insert(state_.texture);
}

void Context::TexParameteri(GLenum pname, GLint param) {
  Flush();
  BindEsTexture();
  ::glTexParameteri(GL_TEXTURE_2D, pname, param);
}

// ---- Quadrics ----

void Context::Quadric(const GLUquadric& quadric, bool sphere, double base_radius,
                      double top_radius, double height, int slices, int stacks) {
  if (sphere) {
    fixedgl::Sphere(quadric.style, base_radius, slices, stacks, *this);
  } else {
    fixedgl::Cylinder(quadric.style, base_radius, top_radius, height, slices, stacks, *this);
  }
}

// ---- Drawing ----

void Context::StateChanged() {
  uniforms_stale_ = true;
  lighting_stale_ = true;
}

const LightingInputs& Context::Lighting() {
  if (lighting_stale_) lighting_ = MakeLightingInputs();
  lighting_stale_ = false;
  return lighting_;
}

LightingInputs Context::MakeLightingInputs() const {
  const AttribState& s = state_;
  LightingInputs u;
  u.lighting = s.lighting;
  u.normalize = s.normalize;
  u.local_viewer = s.local_viewer;
  // Texture object 0 and textures without a picture leave the colour as lit.
  u.texturing = s.texture_2d && textures_with_image_.count(s.texture) > 0;
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


// The one uniform that changes: whether the texture modulates the colour.
void Context::Upload() {
  const int texturing = Lighting().texturing;
  if (sent_valid_ && texturing == sent_texturing_) return;
  sent_valid_ = true;
  sent_texturing_ = texturing;
  ::glUniform1i(program_.texturing, texturing);
}

// The planes are solved in double from the corners' window coordinates
// (the viewport's transform of their clip coordinates); a triangle without
// area, which covers no pixel, gets the first corner's values throughout.
void Context::AddDrawTriangle(const EyeVertex& a, const EyeVertex& b, const EyeVertex& c) {
  const std::array<const EyeVertex*, 3> corner{&a, &b, &c};
  const std::array<GLint, 4>& view = state_.viewport;
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
  auto plane = [&](const std::array<double, 3>& f) {
    if (area == 0) return std::array<float, 3>{0, 0, static_cast<float>(f[0] / q[0])};
    const double da = ((f[1] - f[0]) * y2 - (f[2] - f[0]) * y1) / area;
    const double db = (x1 * (f[2] - f[0]) - x2 * (f[1] - f[0])) / area;
    return std::array<float, 3>{static_cast<float>(da), static_cast<float>(db),
                                static_cast<float>(f[0] - da * x[0] - db * y[0])};
  };
  const std::array<float, 3> plane_s = plane(s), plane_t = plane(t);
  const std::array<float, 3> plane_q =
      area == 0 ? std::array<float, 3>{0, 0, 1} : plane(q);
  for (const EyeVertex* v : corner) {
    DrawVertex d;
    d.clip = v->clip;
    d.plane_s = plane_s;
    d.plane_t = plane_t;
    d.plane_q = plane_q;
    d.color = v->color;
    draw_.push_back(d);
  }
}

// The program, its sampler (unit 0) and its vertex buffer and layout stay
// in use from the first draw on: nothing else draws in the layer's context.
void Context::SetUpProgram() {
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
  attribute(program_.plane_s, 3, offsetof(DrawVertex, plane_s));
  attribute(program_.plane_t, 3, offsetof(DrawVertex, plane_t));
  attribute(program_.plane_q, 3, offsetof(DrawVertex, plane_q));
  attribute(program_.color, 4, offsetof(DrawVertex, color));
  uniforms_stale_ = true;
  sent_valid_ = false;
}

void Context::Flush() {
  EndQuadRun();
  if (batch_.empty()) return;
  if (program_.id == 0 && !program_failed_) {
    program_failed_ = !BuildProgram(program_);
    if (!program_failed_) SetUpProgram();
  }
  if (program_failed_) {
    batch_.clear();
    return;
  }
  if (uniforms_stale_) Upload();
  uniforms_stale_ = false;
  BindEsTexture();
  draw_.clear();
  for (size_t t = 0; t + 2 < batch_.size(); t += 3) {
    AddDrawTriangle(batch_[t], batch_[t + 1], batch_[t + 2]);
  }
  ::glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(draw_.size() * sizeof(DrawVertex)),
               draw_.data(), GL_STREAM_DRAW);
  ::glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(batch_.size()));
  batch_.clear();
}

}  // namespace fixedgl
