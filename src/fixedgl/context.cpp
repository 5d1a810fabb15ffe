#include "fixedgl/context.h"

#include <cstddef>

namespace fixedgl {
namespace {

constexpr size_t kModelviewDepth = 32;   // OpenGL's least stack depths
constexpr size_t kProjectionDepth = 2;

}  // namespace

Context::Context(int width, int height)
    : state_(width, height), es_(std::make_unique<EsDraw>()), assembly_(*es_) {}

Context::Context(int width, int height, TriangleSink& sink)
    : state_(width, height), assembly_(sink) {}

// ---- Vertices and primitives ----

void Context::Begin(unsigned mode) {
  if (lists_.Record(Op::kBegin, mode)) return;
  assembly_.Begin(mode);
}

void Context::Normal(float x, float y, float z) {
  if (lists_.Record(Op::kNormal, 0, x, y, z)) return;
  state_.values().normal = {x, y, z};
}

void Context::TexCoord(float s, float t) {
  if (lists_.Record(Op::kTexCoord, 0, s, t)) return;
  state_.values().texcoord = {s, t};
}

void Context::Color(float r, float g, float b, float a) {
  if (lists_.Record(Op::kColor, 0, r, g, b, a)) return;
  state_.values().color = {r, g, b, a};
}

void Context::Vertex(float x, float y, float z) {
  if (lists_.Record(Op::kVertex, 0, x, y, z) || !assembly_.in_primitive()) return;
  assembly_.Add(LitVertex(transform_, state_.values(), Lighting(), x, y, z));
}

void Context::End() {
  if (lists_.Record(Op::kEnd)) return;
  assembly_.End();
}

// ---- Matrices ----

std::vector<Mat4>& Context::Stack() {
  return state_.values().matrix_mode == GL_PROJECTION ? projection_ : modelview_;
}

void Context::MatrixChanged() {
  assembly_.EndQuadRun();  // Mesa ends its run of vertices at every matrix change
  if (state_.values().matrix_mode == GL_MODELVIEW) {
    transform_.modelview = modelview();
    transform_.normal_matrix = NormalMatrix(modelview());
  }
  transform_.model_view_projection = Multiply(projection(), modelview());
}

void Context::MatrixMode(GLenum mode) {
  if (lists_.Record(Op::kMatrixMode, mode)) return;
  if (mode == GL_MODELVIEW || mode == GL_PROJECTION) state_.values().matrix_mode = mode;
}

#define FIXEDGL_MATRIX_CHANGE(expression) \
  do {                                    \
    expression;                           \
    MatrixChanged();                      \
  } while (0)

void Context::LoadIdentity() {
  if (lists_.Record(Op::kLoadIdentity) || assembly_.in_primitive()) return;
  FIXEDGL_MATRIX_CHANGE(Stack().back() = Identity());
}

void Context::PushMatrix() {
  if (lists_.Record(Op::kPushMatrix) || assembly_.in_primitive()) return;
  std::vector<Mat4>& stack = Stack();
  const size_t depth =
      state_.values().matrix_mode == GL_PROJECTION ? kProjectionDepth : kModelviewDepth;
  assembly_.EndQuadRun();
  if (stack.size() < depth) stack.push_back(stack.back());  // else GL_STACK_OVERFLOW
}

void Context::PopMatrix() {
  if (lists_.Record(Op::kPopMatrix) || assembly_.in_primitive()) return;
  if (Stack().size() < 2) return;  // GL_STACK_UNDERFLOW
  FIXEDGL_MATRIX_CHANGE(Stack().pop_back());
}

void Context::Translate(float x, float y, float z) {
  if (lists_.Record(Op::kTranslate, 0, x, y, z) || assembly_.in_primitive()) return;
  FIXEDGL_MATRIX_CHANGE(Stack().back() = Translated(Stack().back(), x, y, z));
}

void Context::Rotate(float angle, float x, float y, float z) {
  if (lists_.Record(Op::kRotate, 0, angle, x, y, z) || assembly_.in_primitive()) return;
  FIXEDGL_MATRIX_CHANGE(Stack().back() = Rotated(Stack().back(), angle, x, y, z));
}

void Context::Scale(float x, float y, float z) {
  if (lists_.Record(Op::kScale, 0, x, y, z) || assembly_.in_primitive()) return;
  FIXEDGL_MATRIX_CHANGE(Stack().back() = Scaled(Stack().back(), x, y, z));
}

// glOrtho and gluPerspective are executed at once, even while a list is
// compiled (the renderer never compiles them).
void Context::Ortho(double left, double right, double bottom, double top,
                    double near_plane, double far_plane) {
  if (assembly_.in_primitive()) return;
  FIXEDGL_MATRIX_CHANGE(Stack().back() = fixedgl::Ortho(Stack().back(), left, right, bottom,
                                                        top, near_plane, far_plane));
}

void Context::Perspective(double fovy, double aspect, double near_plane, double far_plane) {
  if (assembly_.in_primitive()) return;
  FIXEDGL_MATRIX_CHANGE(Stack().back() = fixedgl::Perspective(Stack().back(), fovy, aspect,
                                                              near_plane, far_plane));
}

#undef FIXEDGL_MATRIX_CHANGE

// ---- Display lists ----

GLuint Context::GenLists(GLsizei range) { return lists_.Generate(range); }

void Context::NewList(GLuint list, GLenum mode) {
  if (!assembly_.in_primitive()) lists_.Open(list, mode);
}

void Context::EndList() { lists_.Close(); }

void Context::CallList(GLuint list) {
  if (lists_.Record(Op::kCallList, list) || !lists_.Callable(list)) return;
  assembly_.EndQuadRun();  // a list's vertices are drawn apart from those around it
  lists_.Replay(list, [this](const DisplayLists::Command& command) { Run(command); });
  assembly_.EndQuadRun();
}

void Context::Run(const DisplayLists::Command& command) {
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

// ---- Lighting, enables and the attribute stack ----

void Context::Lightfv(GLenum light, GLenum pname, const GLfloat* params) {
  const int index = LightIndex(light);
  if (index < 0 || assembly_.in_primitive()) return;
  Flush();
  StateChanged();
  state_.SetLight(index, pname, params, modelview());
}

void Context::LightModelfv(GLenum pname, const GLfloat* params) {
  if (assembly_.in_primitive()) return;
  Flush();
  StateChanged();
  state_.SetLightModel(pname, params);
}

void Context::ShadeModel(GLenum mode) { state_.SetShadeModel(mode); }

void Context::Enable(GLenum cap, bool on) {
  if (lists_.Record(on ? Op::kEnable : Op::kDisable, cap) || assembly_.in_primitive()) return;
  Flush();
  StateChanged();
  const bool kept = state_.SetEnabled(cap, on);
  // ES 2 keeps the depth test too, and alone what the layer does not keep.
  if (es_ && (!kept || cap == GL_DEPTH_TEST)) es_->Enable(cap, on);
}

bool Context::IsEnabled(GLenum cap) const {
  bool on = false;
  if (state_.IsEnabled(cap, on)) return on;
  return es_ && es_->IsEnabled(cap);
}

void Context::PushAttrib(GLbitfield mask) {
  if (!assembly_.in_primitive()) state_.Push(mask);
}

void Context::PopAttrib() {
  if (assembly_.in_primitive() || !state_.CanPop()) return;
  Flush();
  StateChanged();
  state_.Pop();
  if (es_) es_->Restore(state_.values());
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
    default:
      return state_.GetFloatv(pname, params);
  }
}

bool Context::GetIntegerv(GLenum pname, GLint* params) const {
  return state_.GetIntegerv(pname, params);
}

// ---- Buffers, viewport and textures (kept by ES 2 too) ----

void Context::Viewport(GLint x, GLint y, GLsizei width, GLsizei height) {
  if (width < 0 || height < 0) return;
  Flush();
  state_.values().viewport = {x, y, width, height};
  if (es_) es_->Viewport(x, y, width, height);
}

void Context::ClearColor(float r, float g, float b, float a) {
  auto unit = [](float c) { return c < 0 ? 0.0f : (c > 1 ? 1.0f : c); };
  state_.values().clear_color = {unit(r), unit(g), unit(b), unit(a)};
  if (es_) es_->ClearColor(r, g, b, a);
}

void Context::ClearDepth(double depth) {
  GLfloat& kept = state_.values().clear_depth;
  kept = static_cast<GLfloat>(depth < 0 ? 0 : (depth > 1 ? 1 : depth));
  if (es_) es_->ClearDepth(kept);
}

void Context::Clear(GLbitfield mask) {
  if (assembly_.in_primitive()) return;
  Flush();
  if (es_) es_->Clear(mask);
}

void Context::DepthFunc(GLenum func) {
  Flush();
  state_.values().depth_func = func;
  if (es_) es_->DepthFunc(func);
}

void Context::BindTexture(GLenum target, GLuint texture) {
  if (lists_.Record(Op::kBindTexture, texture) || assembly_.in_primitive()) return;
  if (target != GL_TEXTURE_2D || texture == state_.values().texture) return;
  Flush();
  StateChanged();  // the texture may have no picture: untextured
  state_.values().texture = texture;  // bound in ES 2 when drawn with or given a picture
}

void Context::TexImage2D(GLint level, GLint internal_format, GLsizei width, GLsizei height,
                         GLint border, GLenum format, GLenum type, const void* pixels) {
  Flush();
  StateChanged();
  (void)internal_format;  // ES 2 takes the format for it (es_draw.cpp)
  if (es_) {
    es_->TexImage2D(state_.values().texture, level, width, height, border, format, type,
                    pixels);
  }
}

void Context::TexParameteri(GLenum pname, GLint param) {
  Flush();
  if (es_) es_->TexParameteri(state_.values().texture, pname, param);
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

const LightingInputs& Context::Lighting() {
  if (lighting_stale_) {
    lighting_ = state_.Lighting(es_ && es_->HasPicture(state_.values().texture));
  }
  lighting_stale_ = false;
  return lighting_;
}

void Context::Flush() {
  assembly_.EndQuadRun();
  if (es_ && !es_->empty()) {
    es_->Draw(state_.values().viewport, state_.values().texture, Lighting().texturing != 0);
  }
}

}  // namespace fixedgl
