#include "platform/sdl/window_icon.h"

#include <SDL.h>

#include <cstdint>

namespace vorbexia {
namespace {

constexpr int kSide = 64;  // pixels

// dist/linux/icons/window-icon-64.rgba, as make-icons draws it: R, G, B, A
// bytes per pixel, top row first.
constexpr uint8_t kPixels[] = {
#include "window_icon_pixels.inc"
};
static_assert(sizeof kPixels == kSide * kSide * 4, "the icon is 64 x 64 RGBA");

}  // namespace

void SetWindowIcon(SDL_Window* window) {
  // SDL copies the pixels into the window's property: the surface only
  // borrows them.
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<uint8_t*>(kPixels), kSide, kSide, 32, kSide * 4, SDL_PIXELFORMAT_RGBA32);
  if (!icon) return;
  SDL_SetWindowIcon(window, icon);
  SDL_FreeSurface(icon);
}

}  // namespace vorbexia
