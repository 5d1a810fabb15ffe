// Vorbexia in a web browser. The page turns its address's query into the
// game's command line (?seed=7&hud gives --seed 7 --hud) and runs main
// again for each new game; main tells the page when a game has ended.
#include <emscripten/em_js.h>

#include <ctime>
#include <iostream>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/web/web_folders.h"
#include "platform/web/web_platform.h"
#include "platform/web/web_sound.h"
#include "render/gl_renderer.h"
#include "shell/game_launch.h"

EM_JS(void, TellPageGameEnded, (int result), {
  if (Module.vorbexiaGameEnded) Module.vorbexiaGameEnded(result);
});

// tools/bench-web --reference sets this on the page before the game starts,
// to measure the reference drawing in the browser beside the game's.
EM_JS(int, PageWantsReferenceDrawing, (), {
  return globalThis.vorbexiaReferenceDrawing === true ? 1 : 0;
});

int main(int argc, char** argv) {
  using namespace vorbexia;
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const PlatformKit kit{
      .time_seed = static_cast<uint32_t>(std::time(nullptr)),
      .folders = FindUserFolders(),
      .out = std::cout,
      .err = std::cerr,
      .make_platform = [](bool paced, bool unattended) -> std::unique_ptr<Platform> {
        auto platform = std::make_unique<WebPlatform>(paced);
        // Unattended, whatever would be a box goes to the console.
        if (unattended) platform->SendBoxesToStderr();
        return platform;
      },
      // The fast drawing, as on the desktop.
      .make_renderer = [](ReaderBox reader_box) -> std::unique_ptr<Renderer> {
        auto renderer = std::make_unique<GlRenderer>(std::move(reader_box));
        renderer->set_drawing(PageWantsReferenceDrawing() ? SceneDrawing::kReference
                                                          : SceneDrawing::kFast);
        return renderer;
      },
      .open_sound = [](int volume) { return OpenWebSound(volume); },
      .ended_before_game = {},
      .game_ended = {},
      .err_is_terminal = false,  // the browser's console
  };
  // Once the game and everything it opened are gone.
  const int result = RunGame(args, kit);
  std::cout << std::flush;
  std::cerr << std::flush;
  TellPageGameEnded(result);
  return result;
}
