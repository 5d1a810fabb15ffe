// The OpenGL 1.1 and GLU calls of the renderer. On the desktop they are the
// system's own; with VORBEXIA_FIXEDGL (always under Emscripten) the same
// names are served by the fixed-function layer on OpenGL ES 2 / WebGL
// (src/fixedgl), so the renderer's code is one and the same everywhere.
#pragma once

#if defined(VORBEXIA_FIXEDGL) || defined(__EMSCRIPTEN__)
#include "fixedgl/gl_names.h"
#else
#include <GL/gl.h>
#include <GL/glu.h>
#endif
