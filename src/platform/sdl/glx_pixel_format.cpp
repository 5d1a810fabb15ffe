#include "platform/sdl/glx_pixel_format.h"

#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <GL/glx.h>
#endif

namespace vorbexia {

bool DisplayHasPixelFormat(SDL_Window* window, int color_bits, int depth_bits) {
  if (!window) return false;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  const bool x11 = SDL_GetWindowWMInfo(window, &info) == SDL_TRUE &&
                   info.subsystem == SDL_SYSWM_X11;
#if defined(SDL_VIDEO_DRIVER_X11)
  if (x11) {
    Display* display = info.info.x11.display;
    int error_base = 0, event_base = 0;
    if (!glXQueryExtension(display, &error_base, &event_base)) return false;
    const int red_blue = color_bits / 3;
    int attributes[] = {GLX_RGBA,       GLX_DOUBLEBUFFER,
                        GLX_RED_SIZE,   red_blue,
                        GLX_GREEN_SIZE, color_bits - 2 * red_blue,
                        GLX_BLUE_SIZE,  red_blue,
                        GLX_DEPTH_SIZE, depth_bits,
                        None};
    XVisualInfo* visual =
        glXChooseVisual(display, DefaultScreen(display), attributes);
    if (!visual) return false;
    XFree(visual);
    return true;
  }
#else
  (void)x11;
  (void)color_bits;
  (void)depth_bits;
#endif
  return (SDL_GetWindowFlags(window) & SDL_WINDOW_OPENGL) != 0;
}

}  // namespace vorbexia
