#include "fixedgl/program.h"

namespace fixedgl {
namespace {

// The vertices come lit (lighting.cpp) and in clip coordinates; with each
// come s / w, t / w and 1 / w of its triangle's planes over window
// coordinates where the rasterizer puts the corner (es_draw.cpp), times
// the corner's w. A varying is interpolated perspective-correct: its
// value over w goes linearly over the window and is divided by 1 / w,
// which goes linearly too. So v_stq is the three planes, each divided by
// that same 1 / w, which s / w over 1 / w takes out again.
constexpr char kVertexShader[] = R"(
precision highp float;
attribute vec4 a_clip;
attribute vec3 a_stq;
attribute vec4 a_color;
varying vec4 v_color;
varying vec3 v_stq;

void main() {
  gl_Position = a_clip;
  v_color = a_color;
  v_stq = a_stq;
}
)";

constexpr char kFragmentShader[] = R"(
#ifdef GL_FRAGMENT_PRECISION_HIGH
precision highp float;
#else
precision mediump float;
#endif
uniform bool u_texturing;
uniform sampler2D u_texture;
varying vec4 v_color;
varying vec3 v_stq;

void main() {
  if (u_texturing) {
    gl_FragColor = v_color * texture2D(u_texture, v_stq.xy / v_stq.z);
  } else {
    gl_FragColor = v_color;
  }
}
)";

GLuint Compile(GLenum type, const char* source) {
  const GLuint shader = ::glCreateShader(type);
  ::glShaderSource(shader, 1, &source, nullptr);
  ::glCompileShader(shader);
  GLint ok = GL_FALSE;
  ::glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (ok != GL_TRUE) {
    ::glDeleteShader(shader);
    return 0;
  }
  return shader;
}

}  // namespace

bool BuildProgram(Program& program) {
  const GLuint vertex = Compile(GL_VERTEX_SHADER, kVertexShader);
  const GLuint fragment = Compile(GL_FRAGMENT_SHADER, kFragmentShader);
  GLint linked = GL_FALSE;
  GLuint id = 0;
  if (vertex != 0 && fragment != 0) {
    id = ::glCreateProgram();
    ::glAttachShader(id, vertex);
    ::glAttachShader(id, fragment);
    ::glLinkProgram(id);
    ::glGetProgramiv(id, GL_LINK_STATUS, &linked);
  }
  if (vertex != 0) ::glDeleteShader(vertex);
  if (fragment != 0) ::glDeleteShader(fragment);
  if (linked != GL_TRUE) {
    if (id != 0) ::glDeleteProgram(id);
    return false;
  }
  Program p;
  p.id = id;
  p.clip = ::glGetAttribLocation(id, "a_clip");
  p.stq = ::glGetAttribLocation(id, "a_stq");
  p.color = ::glGetAttribLocation(id, "a_color");
  p.texturing = ::glGetUniformLocation(id, "u_texturing");
  p.texture = ::glGetUniformLocation(id, "u_texture");
  program = p;
  return true;
}

}  // namespace fixedgl
