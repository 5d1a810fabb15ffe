// The ES 2 shader program that does the fixed-function work: per-vertex
// lighting as OpenGL 1.1 defines it, then the texture modulated by the lit
// colour (GL_MODULATE).
#pragma once

#include <GLES2/gl2.h>

namespace fixedgl {

struct Program {
  GLuint id = 0;
  // Attributes (program.cpp tells them).
  GLint clip = -1, plane_s_lit = -1, plane_t = -1, plane_q = -1;
  GLint position = -1, normal = -1, color = -1;
  GLint lighting = -1, normalize = -1, local_viewer = -1, texturing = -1, texture = -1;
  GLint scene_color = -1, shininess = -1;
  GLint light_on = -1, ambient = -1, diffuse = -1, specular = -1;
  GLint light_position = -1, spot = -1, attenuation = -1;
};

// Compiles and links the program with the current ES 2 context. False (with
// nothing left made) when the driver refuses it.
bool BuildProgram(Program& program);

}  // namespace fixedgl
