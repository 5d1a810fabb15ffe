// One fixed-function OpenGL 1.1 context drawn on OpenGL ES 2: the matrix
// stacks, the current vertex attributes, the lights and the material, the
// display lists and the attribute stack, and the ES 2 objects it draws with.
// Vertices are taken to eye coordinates as they are given (positions by the
// modelview matrix, normals by its inverse transpose), lit there as OpenGL
// 1.1 lights them (Gouraud shading), taken to clip coordinates by the
// product of projection and modelview as the desktop driver forms it (so
// that depths round alike), and gathered into triangles until some state
// changes or Flush.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "fixedgl/api.h"
#include "fixedgl/lighting.h"
#include "fixedgl/matrix.h"
#include "fixedgl/program.h"
#include "fixedgl/quadric.h"
#include "fixedgl/vertex.h"

namespace fixedgl {

struct Light {
  Vec4 ambient{0, 0, 0, 1};
  Vec4 diffuse{0, 0, 0, 1};   // light 0: white
  Vec4 specular{0, 0, 0, 1};  // light 0: white
  Vec4 position{0, 0, 1, 0};  // eye coordinates
  std::array<float, 3> spot_direction{0, 0, -1};  // eye coordinates
  float spot_exponent = 0;
  float spot_cutoff = 180;  // degrees; 180: no spot
  float constant_attenuation = 1;
  float linear_attenuation = 0;
  float quadratic_attenuation = 0;
};

// OpenGL's default material (the only one: glMaterial is not offered).
struct Material {
  Vec4 ambient{0.2f, 0.2f, 0.2f, 1};
  Vec4 diffuse{0.8f, 0.8f, 0.8f, 1};
  Vec4 specular{0, 0, 0, 1};
  Vec4 emission{0, 0, 0, 1};
  float shininess = 0;
};

// The state glPushAttrib saves, with its defaults.
struct AttribState {
  // Current values (GL_CURRENT_BIT).
  Vec4 color{1, 1, 1, 1};
  std::array<float, 3> normal{0, 0, 1};
  std::array<float, 2> texcoord{0, 0};
  // Enables (GL_ENABLE_BIT).
  bool lighting = false;
  bool texture_2d = false;
  bool depth_test = false;
  bool normalize = false;
  std::array<bool, kLightCount> light_enabled{};
  // Lighting (GL_LIGHTING_BIT).
  std::array<Light, kLightCount> lights{};
  Material material;
  Vec4 light_model_ambient{0.2f, 0.2f, 0.2f, 1};
  bool local_viewer = false;
  bool two_side = false;  // kept and reported; both sides are lit as the front
  GLenum shade_model = GL_SMOOTH;  // kept and reported; shading is smooth
  // Depth and colour buffers, viewport, transform mode, texture binding.
  GLenum depth_func = GL_LESS;
  GLfloat clear_depth = 1;
  Vec4 clear_color{0, 0, 0, 0};
  std::array<GLint, 4> viewport{0, 0, 0, 0};
  GLenum matrix_mode = GL_MODELVIEW;
  GLuint texture = 0;
};

// A vertex as the program takes it: with the planes of its triangle's
// s / w, t / w and 1 / w over window coordinates (a, b, c of a x + b y + c).
struct DrawVertex {
  std::array<float, 4> clip;
  std::array<float, 3> plane_s;
  std::array<float, 3> plane_t;
  std::array<float, 3> plane_q;
  Vec4 color;  // lit
};

class Context final : public PrimitiveSink {
 public:
  // The viewport starts as the drawable's size, as OpenGL's does. Needs no
  // GL context; the ES 2 objects are made at the first draw.
  Context(int width, int height);
  // Deletes the ES 2 objects, so the ES 2 context must still be current.
  ~Context() override;
  Context(const Context&) = delete;
  Context& operator=(const Context&) = delete;

  // PrimitiveSink: glBegin, glNormal3f, glTexCoord2f, glVertex3f, glEnd.
  void Begin(unsigned mode) override;
  void Normal(float x, float y, float z) override;
  void TexCoord(float s, float t) override;
  void Vertex(float x, float y, float z) override;
  void End() override;
  void Color(float r, float g, float b, float a);

  void MatrixMode(GLenum mode);
  void LoadIdentity();
  void PushMatrix();
  void PopMatrix();
  void Translate(float x, float y, float z);
  void Rotate(float angle, float x, float y, float z);
  void Scale(float x, float y, float z);
  void Ortho(double left, double right, double bottom, double top, double near_plane,
             double far_plane);
  void Perspective(double fovy, double aspect, double near_plane, double far_plane);

  GLuint GenLists(GLsizei range);
  void NewList(GLuint list, GLenum mode);
  void EndList();
  void CallList(GLuint list);

  void Lightfv(GLenum light, GLenum pname, const GLfloat* params);
  void LightModelfv(GLenum pname, const GLfloat* params);
  void ShadeModel(GLenum mode);
  void PushAttrib(GLbitfield mask);
  void PopAttrib();
  void Enable(GLenum cap, bool on);
  bool IsEnabled(GLenum cap) const;
  // False for what the layer does not know; the caller asks ES 2 then.
  bool GetFloatv(GLenum pname, GLfloat* params) const;
  bool GetIntegerv(GLenum pname, GLint* params) const;
  void Viewport(GLint x, GLint y, GLsizei width, GLsizei height);
  void ClearColor(float r, float g, float b, float a);
  void ClearDepth(double depth);
  void Clear(GLbitfield mask);
  void DepthFunc(GLenum func);
  void BindTexture(GLenum target, GLuint texture);
  void TexImage2D(GLint level, GLint internal_format, GLsizei width, GLsizei height,
                  GLint border, GLenum format, GLenum type, const void* pixels);
  void TexParameteri(GLenum pname, GLint param);

  void Quadric(const GLUquadric& quadric, bool sphere, double base_radius,
               double top_radius, double height, int slices, int stacks);

  // Draws the gathered triangles.
  void Flush();

  const AttribState& state() const { return state_; }
  const Mat4& modelview() const { return modelview_.back(); }
  const Mat4& projection() const { return projection_.back(); }

 private:
  enum class Op : uint8_t {
    kBegin, kEnd, kVertex, kNormal, kTexCoord, kColor, kMatrixMode, kLoadIdentity,
    kPushMatrix, kPopMatrix, kTranslate, kRotate, kScale, kCallList, kBindTexture,
    kEnable, kDisable,
  };
  struct Command {
    Op op;
    GLenum name;
    std::array<float, 4> values;
  };

  // While a list is compiled: records the command and says whether to
  // leave it unexecuted (GL_COMPILE).
  bool Record(Op op, GLenum name = 0, float a = 0, float b = 0, float c = 0, float d = 0);
  void Run(const Command& command);
  std::vector<Mat4>& Stack();
  void MatrixChanged();
  void Triangles(const std::vector<EyeVertex>& primitive);
  void Emit(const EyeVertex& a, const EyeVertex& b, const EyeVertex& c);
  // A triangle with a corner behind the near plane: cut here.
  void EmitClipped(const EyeVertex& a, const EyeVertex& b, const EyeVertex& c);
  // Cuts the gathered run of quads into triangles, as Mesa would.
  void EndQuadRun();
  void SetUpProgram();
  // Marks the lighting's inputs and the uniforms for forming again.
  void StateChanged();
  const LightingInputs& Lighting();
  LightingInputs MakeLightingInputs() const;
  // The triangle's vertices as the program takes them, onto draw_.
  void AddDrawTriangle(const EyeVertex& a, const EyeVertex& b, const EyeVertex& c);
  void Upload();
  void RestoreEsState();
  // Binds state_.texture in ES 2 unless it is bound already.
  void BindEsTexture();

  AttribState state_;
  std::vector<std::pair<GLbitfield, AttribState>> attrib_stack_;
  std::vector<Mat4> modelview_{Identity()};
  std::vector<Mat4> projection_{Identity()};
  std::array<float, 9> normal_matrix_ = NormalMatrix(Identity());
  Mat4 model_view_projection_ = Identity();

  // The primitive between glBegin and glEnd.
  bool in_primitive_ = false;
  GLenum primitive_mode_ = 0;
  std::vector<EyeVertex> primitive_;
  // The run of quads not cut yet, and whether a vertex of it lies outside
  // the clip volume.
  std::vector<EyeVertex> quad_run_;
  bool quad_run_clipped_ = false;
  // Triangles not drawn yet.
  std::vector<EyeVertex> batch_;
  std::vector<DrawVertex> draw_;  // the batch as the program takes it

  std::map<GLuint, std::vector<Command>> lists_;
  GLuint compiling_ = 0;  // the list being compiled, 0 for none
  GLenum compile_mode_ = 0;
  std::vector<Command> compiled_;
  int list_depth_ = 0;  // lists being executed, one inside the other

  std::set<GLuint> textures_with_image_;

  // ES 2 objects, made at the first draw.
  Program program_;
  GLuint buffer_ = 0;
  bool program_failed_ = false;
  bool uniforms_stale_ = true;
  // The uniforms last sent (only what changed goes again: every WebGL call
  // costs the browser's checks) and the texture ES 2 has bound. The layer
  // alone binds textures and uses the program, so ES 2 keeps these.
  int sent_texturing_ = 0;
  bool sent_valid_ = false;
  LightingInputs lighting_;
  bool lighting_stale_ = true;
  GLuint es_texture_ = 0;  // ES 2's binding starts at 0
};

}  // namespace fixedgl
