// Vorbexia in a web browser. The page turns its address's query into the
// game's command line (?seed=7&hud gives --seed 7 --hud) and runs main
// again for each new game; main tells the page when a game has ended.
#include <emscripten/em_js.h>

#include <ctime>
#include <iostream>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/web/web_folders.h"
#include "platform/web/web_platform.h"
#include "platform/web/web_sound.h"
#include "render/gl_renderer.h"
#include "shell/game_launch.h"
#include "shell/game_window.h"

EM_JS(void, TellPageGameEnded, (int result), {
  if (Module.vorbexiaGameEnded) Module.vorbexiaGameEnded(result);
});

namespace {

int RunGame(int argc, char** argv) {
  using namespace vorbexia;
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  Launch launch;
  if (const auto code = PrepareLaunch(args, static_cast<uint32_t>(std::time(nullptr)),
                                      FindUserFolders(), launch, std::cout, std::cerr)) {
    return *code;
  }
  WebPlatform platform(RunsPaced(launch));
  // A timedemo runs unattended: whatever would be a box goes to the console.
  if (launch.session.silent) platform.SendBoxesToStderr();
  GlRenderer renderer([&platform](const char* text) { ShowReaderBox(platform, text); });
  std::unique_ptr<SoundOutput> sound;
  if (PlaysSound(launch)) sound = OpenWebSound(SoundVolume(launch));
  launch.session.sound = sound.get();
  GameState state;
  return RunLaunch(launch, state, platform, renderer, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  const int result = RunGame(argc, argv);
  std::cout << std::flush;
  std::cerr << std::flush;
  TellPageGameEnded(result);
  return result;
}
