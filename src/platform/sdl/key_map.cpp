#include "platform/sdl/key_map.h"

namespace vorbexia {

int VirtualKeyFromSdl(SDL_Keycode key) {
  if (key >= SDLK_0 && key <= SDLK_9) return 48 + (key - SDLK_0);
  if (key >= SDLK_a && key <= SDLK_z) return 65 + (key - SDLK_a);
  if (key >= SDLK_F1 && key <= SDLK_F12) return 112 + (key - SDLK_F1);
  switch (key) {
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_RETURN: return 13;
    case SDLK_KP_ENTER: return 13;
    case SDLK_LSHIFT: return 16;
    case SDLK_RSHIFT: return 16;
    case SDLK_LCTRL: return 17;
    case SDLK_RCTRL: return 17;
    case SDLK_LALT: return 18;
    case SDLK_RALT: return 18;
    case SDLK_PAUSE: return 19;
    case SDLK_CAPSLOCK: return 20;
    case SDLK_ESCAPE: return 27;
    case SDLK_SPACE: return 32;
    case SDLK_PAGEUP: return 33;
    case SDLK_PAGEDOWN: return 34;
    case SDLK_END: return 35;
    case SDLK_HOME: return 36;
    case SDLK_LEFT: return 37;
    case SDLK_UP: return 38;
    case SDLK_RIGHT: return 39;
    case SDLK_DOWN: return 40;
    case SDLK_INSERT: return 45;
    case SDLK_DELETE: return 46;
    default: return -1;
  }
}

}  // namespace vorbexia
