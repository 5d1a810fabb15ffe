// The fixed-function state the layer keeps itself: the current vertex
// values, the enables, the lights and the material, the buffers' and the
// viewport's settings, and the attribute stack that saves and restores them
// (glPushAttrib/glPopAttrib). Plain data, no GL: the context hands what
// ES 2 keeps too on to ES 2.
#pragma once

#include <array>
#include <utility>
#include <vector>

#include "fixedgl/api.h"
#include "fixedgl/lighting.h"
#include "fixedgl/matrix.h"
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

// The light's index (GL_LIGHT0 + index), -1 for no light.
int LightIndex(GLenum light);

class State {
 public:
  // The viewport starts as the drawable's size, as OpenGL's does.
  State(int width, int height);

  const AttribState& values() const { return values_; }
  AttribState& values() { return values_; }

  // glLightfv for light `index`; positions and spot directions are taken by
  // `modelview` into eye coordinates.
  void SetLight(int index, GLenum pname, const GLfloat* params, const Mat4& modelview);
  void SetLightModel(GLenum pname, const GLfloat* params);
  void SetShadeModel(GLenum mode);
  // Keeps an enable; false for what ES 2 keeps itself (culling, blending...).
  bool SetEnabled(GLenum cap, bool on);
  // False for what the layer does not keep.
  bool IsEnabled(GLenum cap, bool& on) const;

  // glPushAttrib: false (nothing saved) when the stack is full.
  bool Push(GLbitfield mask);
  bool CanPop() const { return !stack_.empty(); }
  // glPopAttrib: restores what the last Push saved of its mask.
  void Pop();

  // The current values and the light model (the matrices are the
  // context's); false for what the layer does not know.
  bool GetFloatv(GLenum pname, GLfloat* params) const;
  bool GetIntegerv(GLenum pname, GLint* params) const;

  // What the lighting takes, formed from this state; `textured`: the bound
  // texture has a picture.
  LightingInputs Lighting(bool textured) const;

 private:
  AttribState values_;
  std::vector<std::pair<GLbitfield, AttribState>> stack_;
};

}  // namespace fixedgl
