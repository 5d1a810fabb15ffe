// Vorbexia: a first-person maze shooter.
#define SDL_MAIN_HANDLED

#include <ctime>

#include "render/gl_renderer.h"
#include "shell/game_main.h"
#include "shell/quit_signal.h"
#include "shell/sdl_platform.h"

int main() {
  using namespace vorbexia;
  InstallQuitSignalHandlers();
  SdlPlatform platform;
  GlRenderer renderer([&platform](const char* text) {
    platform.ShowMessageBox(BoxOwner::kFocusWindow, text, "Error", MB_OK);
  });
  GameState state;
  return GameMain(state, platform, renderer,
                  static_cast<uint32_t>(std::time(nullptr)));
}
