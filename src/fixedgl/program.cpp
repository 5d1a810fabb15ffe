#include "fixedgl/program.h"

namespace fixedgl {
namespace {

// Every light as OpenGL 1.1 lights a vertex (lighting.cpp does the same on
// the CPU: keep the two alike), with its products of light and
// material colours formed beforehand (as Mesa forms them):
//   colour = emission + ambient_material * model_ambient
//          + sum over lights of attenuation * spot *
//            (ambient + max(N.L, 0) diffuse + (N.L > 0 ? max(N.H, 0)^shininess : 0) specular)
// N is the eye normal as given (unit only with GL_NORMALIZE), L the unit
// vector to the light, H the unit half vector towards an infinitely far
// viewer (0, 0, 1) or a local one. A spot lights what lies strictly inside
// its cone (cos of the angle above the cut-off's cos), by the cos to the
// power of the exponent. The sum is clamped to [0, 1] at the vertex.
constexpr char kVertexShader[] = R"(
precision highp float;
attribute vec4 a_clip;
// The texture coordinates s / w and t / w and 1 / w of the vertex's
// triangle as planes a x + b y + c over window coordinates (the same at its
// three vertices); the w of a_plane_s_lit says whether a_color is lit (and
// clamped) already.
attribute vec4 a_plane_s_lit;
attribute vec3 a_plane_t;
attribute vec3 a_plane_q;
attribute vec4 a_position;
attribute vec3 a_normal;
attribute vec4 a_color;
uniform bool u_lighting;
uniform bool u_normalize;
uniform bool u_local_viewer;
uniform vec4 u_scene_color;
uniform float u_shininess;
uniform float u_light_on[8];
uniform vec4 u_ambient[8];
uniform vec4 u_diffuse[8];
uniform vec4 u_specular[8];
uniform vec4 u_light_position[8];
uniform vec4 u_spot[8];         // unit direction, cos of the cut-off (< -1: no spot)
uniform vec4 u_attenuation[8];  // constant, linear, quadratic, spot exponent
varying vec4 v_color;
varying vec3 v_plane_s;
varying vec3 v_plane_t;
varying vec3 v_plane_q;

vec3 LitColour(vec3 eye, vec3 n) {
  vec3 colour = u_scene_color.rgb;
  for (int i = 0; i < 8; ++i) {
    if (u_light_on[i] == 0.0) continue;
    vec3 to_light;
    float factor = 1.0;
    if (u_light_position[i].w != 0.0) {
      to_light = u_light_position[i].xyz / u_light_position[i].w - eye;
      float d = length(to_light);
      to_light = to_light / d;
      vec3 k = u_attenuation[i].xyz;
      if (k != vec3(1.0, 0.0, 0.0)) factor = 1.0 / (k.x + k.y * d + k.z * d * d);
    } else {
      to_light = normalize(u_light_position[i].xyz);
    }
    if (u_spot[i].w >= -1.0) {
      float cosine = dot(-to_light, u_spot[i].xyz);
      if (cosine > u_spot[i].w) {
        if (u_attenuation[i].w != 0.0) factor *= pow(cosine, u_attenuation[i].w);
      } else {
        factor = 0.0;
      }
    }
    float n_dot_l = dot(n, to_light);
    vec3 term = u_ambient[i].rgb + max(n_dot_l, 0.0) * u_diffuse[i].rgb;
    if (n_dot_l > 0.0) {
      vec3 viewer = u_local_viewer ? normalize(-eye) : vec3(0.0, 0.0, 1.0);
      float n_dot_h = max(dot(n, normalize(to_light + viewer)), 0.0);
      float power = u_shininess == 0.0 ? 1.0 : pow(n_dot_h, u_shininess);
      term += power * u_specular[i].rgb;
    }
    colour += factor * term;
  }
  return clamp(colour, 0.0, 1.0);
}

void main() {
  gl_Position = a_clip;
  v_plane_s = a_plane_s_lit.xyz;
  v_plane_t = a_plane_t;
  v_plane_q = a_plane_q;
  if (a_plane_s_lit.w != 0.0) {
    v_color = a_color;
  } else if (u_lighting) {
    vec3 n = u_normalize ? normalize(a_normal) : a_normal;
    v_color = vec4(LitColour(a_position.xyz / a_position.w, n),
                   clamp(u_scene_color.a, 0.0, 1.0));
  } else {
    v_color = clamp(a_color, 0.0, 1.0);
  }
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
  p.plane_s_lit = ::glGetAttribLocation(id, "a_plane_s_lit");
  p.plane_t = ::glGetAttribLocation(id, "a_plane_t");
  p.plane_q = ::glGetAttribLocation(id, "a_plane_q");
  p.position = ::glGetAttribLocation(id, "a_position");
  p.normal = ::glGetAttribLocation(id, "a_normal");
  p.color = ::glGetAttribLocation(id, "a_color");
  p.lighting = ::glGetUniformLocation(id, "u_lighting");
  p.normalize = ::glGetUniformLocation(id, "u_normalize");
  p.local_viewer = ::glGetUniformLocation(id, "u_local_viewer");
  p.texturing = ::glGetUniformLocation(id, "u_texturing");
  p.texture = ::glGetUniformLocation(id, "u_texture");
  p.scene_color = ::glGetUniformLocation(id, "u_scene_color");
  p.shininess = ::glGetUniformLocation(id, "u_shininess");
  p.light_on = ::glGetUniformLocation(id, "u_light_on");
  p.ambient = ::glGetUniformLocation(id, "u_ambient");
  p.diffuse = ::glGetUniformLocation(id, "u_diffuse");
  p.specular = ::glGetUniformLocation(id, "u_specular");
  p.light_position = ::glGetUniformLocation(id, "u_light_position");
  p.spot = ::glGetUniformLocation(id, "u_spot");
  p.attenuation = ::glGetUniformLocation(id, "u_attenuation");
  program = p;
  return true;
}

}  // namespace fixedgl
