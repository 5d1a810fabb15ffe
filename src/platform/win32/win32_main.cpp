// Vorbexia on Windows: the game on the Win32 platform layer.
#include <ctime>

#include "platform/win32/win32_platform.h"
#include "render/gl_renderer.h"
#include "shell/game_main.h"
#include "shell/game_window.h"

// After the game's headers (see win32_platform.cpp).
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace vorbexia;
  const std::unique_ptr<Platform> platform = MakeWin32Platform();
  GlRenderer renderer([&platform](const char* text) {
    ShowReaderBox(*platform, text);
  });
  GameState state;
  return GameMain(state, *platform, renderer, static_cast<uint32_t>(std::time(nullptr)));
}
