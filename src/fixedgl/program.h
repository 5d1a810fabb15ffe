// The ES 2 shader program that draws the lit vertices: the texture
// modulated by the lit colour (GL_MODULATE).
#pragma once

#include <GLES2/gl2.h>

namespace fixedgl {

struct Program {
  GLuint id = 0;
  // Attributes (program.cpp tells them) and uniforms.
  GLint clip = -1, stq = -1, color = -1;
  GLint texturing = -1, texture = -1;
};

// Compiles and links the program with the current ES 2 context. False (with
// nothing left made) when the driver refuses it.
bool BuildProgram(Program& program);

}  // namespace fixedgl
