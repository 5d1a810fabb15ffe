// SDL key codes onto the virtual-key codes that index the KeyTable.
#pragma once

#include <SDL_keycode.h>

namespace vorbexia {

// The virtual-key code (0 to 255) of an SDL key, or -1 for a key without one.
int VirtualKeyFromSdl(SDL_Keycode key);

}  // namespace vorbexia
