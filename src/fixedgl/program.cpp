#include "fixedgl/program.h"

namespace fixedgl {
namespace {

// The vertices come lit (lighting.cpp) and in clip coordinates; with each
// come the planes of its triangle's s / w, t / w and 1 / w over window
// coordinates (a x + b y + c, the same at its three vertices).
constexpr char kVertexShader[] = R"(
precision highp float;
attribute vec4 a_clip;
attribute vec3 a_plane_s;
attribute vec3 a_plane_t;
attribute vec3 a_plane_q;
attribute vec4 a_color;
varying vec4 v_color;
varying vec3 v_plane_s;
varying vec3 v_plane_t;
varying vec3 v_plane_q;

void main() {
  gl_Position = a_clip;
  v_color = a_color;
  v_plane_s = a_plane_s;
  v_plane_t = a_plane_t;
  v_plane_q = a_plane_q;
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
varying vec3 v_plane_s;
varying vec3 v_plane_t;
varying vec3 v_plane_q;

// The texture coordinate at the pixel's centre, perspective-correct, from
// the planes of the triangle's exact corners (context.cpp). The
// rasterizer's own interpolation starts from corners snapped to its
// sub-pixel grid (SwiftShader's is 1/16 pixel, Mesa's 1/256), which moves a
// far, minified texture by a good part of a texel.
vec2 TexCoord() {
  vec3 p = vec3(gl_FragCoord.xy, 1.0);
  return vec2(dot(v_plane_s, p), dot(v_plane_t, p)) / dot(v_plane_q, p);
}

void main() {
  if (u_texturing) {
    gl_FragColor = v_color * texture2D(u_texture, TexCoord());
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
  p.plane_s = ::glGetAttribLocation(id, "a_plane_s");
  p.plane_t = ::glGetAttribLocation(id, "a_plane_t");
  p.plane_q = ::glGetAttribLocation(id, "a_plane_q");
  p.color = ::glGetAttribLocation(id, "a_color");
  p.texturing = ::glGetUniformLocation(id, "u_texturing");
  p.texture = ::glGetUniformLocation(id, "u_texture");
  program = p;
  return true;
}

}  // namespace fixedgl
