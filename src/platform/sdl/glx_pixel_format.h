// Whether the display of an SDL window offers the game's pixel format.
#pragma once

#include <SDL.h>

namespace vorbexia {

// Asks the window system for a double-buffered RGBA visual with color_bits
// colour bits (split 5/6/5 for 16) and a depth buffer of depth_bits. On a
// window system that cannot be asked, the answer is whether SDL could make
// an OpenGL window at all.
bool DisplayHasPixelFormat(SDL_Window* window, int color_bits, int depth_bits);

}  // namespace vorbexia
