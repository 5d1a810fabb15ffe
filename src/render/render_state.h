// The fixed render state, set once at start-up and never changed.
#pragma once

#include "image/dib_reader.h"
#include "render/gl_resources.h"

namespace vorbexia {

// Loads the seven textures into resources.textures, then sets the render
// state (texturing, depth test with GL_LESS, smooth shading), the white
// light model ambient and the eight spot lights, enables lighting and makes
// the gun's quadric. Needs the current GL context and the identity as the
// modelview matrix.
//
// False when a texture could not be loaded (then nothing else is done: no
// state set, no light) or when no quadric could be had for the gun (then
// resources.gun_quadric stays empty).
bool InitGL(GlResources& resources, const ReaderBox& reader_box);

}  // namespace vorbexia
