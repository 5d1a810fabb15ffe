// Vorbexia: a first-person maze shooter.
#define SDL_MAIN_HANDLED

#include <unistd.h>

#include <csignal>
#include <ctime>
#include <iostream>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/sdl/quit_signal.h"
#include "platform/sdl/sdl_platform.h"
#include "platform/sdl/sdl_sound.h"
#include "platform/sdl/xdg_folders.h"
#include "render/gl_renderer.h"
#include "shell/game_launch.h"

int main(int argc, char** argv) {
  using namespace vorbexia;
  // A file-size limit (ulimit -f) then fails a write as a full disk does,
  // which the recording and the screenshots report, rather than killing
  // the game with the display mode changed and a file cut short.
  std::signal(SIGXFSZ, SIG_IGN);
  // A recording or figures going to a pipe whose reader has gone: a failed
  // write, reported as such, rather than a game killed mid-frame.
  std::signal(SIGPIPE, SIG_IGN);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const PlatformKit kit{
      .time_seed = static_cast<uint32_t>(std::time(nullptr)),
      .folders = FindUserFolders(),
      .out = std::cout,
      .err = std::cerr,
      .make_platform = [](bool paced, bool unattended) -> std::unique_ptr<Platform> {
        InstallQuitSignalHandlers();
        auto platform = std::make_unique<SdlPlatform>(paced);
        if (unattended) platform->SendBoxesToStderr();
        return platform;
      },
      .make_renderer = MakeGlRenderer,
      .open_sound = [](int volume) { return OpenSdlSound(volume); },
      .ended_before_game = {},
      .game_ended = {},
      .err_is_terminal = isatty(STDERR_FILENO) != 0,
  };
  return RunGame(args, kit);
}
