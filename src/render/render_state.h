// The fixed render state, set once at start-up and never changed.
#pragma once

#include "image/dib_reader.h"
#include "world/game_state.h"

namespace vorbexia {

// Loads the seven textures, then sets the render state (texturing, depth
// test with GL_LESS, smooth shading), fills the level, sets the white light
// model ambient and the eight spot lights, enables lighting and makes the
// gun's quadric. Needs the current GL context and the identity as the
// modelview matrix.
//
// False when a texture could not be loaded (then nothing else is done: no
// state set, no level, no light) or when no quadric could be had for the gun
// (then state.gun_quadric stays empty).
bool InitGL(GameState& state, const ReaderBox& reader_box);

}  // namespace vorbexia
