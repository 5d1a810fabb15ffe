// Vorbexia: a first-person maze shooter.
#define SDL_MAIN_HANDLED

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
#include "shell/game_window.h"

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
  Launch launch;
  if (const auto code = PrepareLaunch(args, static_cast<uint32_t>(std::time(nullptr)),
                                      FindUserFolders(), launch, std::cout, std::cerr)) {
    return *code;
  }
  InstallQuitSignalHandlers();
  SdlPlatform platform(RunsPaced(launch));
  // A timedemo runs unattended: whatever would be a box goes to stderr.
  if (launch.session.silent) platform.SendBoxesToStderr();
  GlRenderer renderer([&platform](const char* text) {
    ShowReaderBox(platform, text);
  });
  // After the platform, so that it closes before SDL ends.
  std::unique_ptr<SoundOutput> sound;
  if (PlaysSound(launch)) sound = OpenSdlSound(SoundVolume(launch));
  launch.session.sound = sound.get();
  GameState state;
  return RunLaunch(launch, state, platform, renderer, std::cout, std::cerr);
}
