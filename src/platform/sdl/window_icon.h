// The game window's own icon, the picture of the desktop icons, for the
// window manager's title bar, task bar and window switcher (on X11 the
// window's _NET_WM_ICON).
#pragma once

struct SDL_Window;

namespace vorbexia {

// Gives `window` the game's 64 x 64 icon, compiled into the program (no file
// is read). Without memory for it the window keeps the desktop's default.
void SetWindowIcon(SDL_Window* window);

}  // namespace vorbexia
