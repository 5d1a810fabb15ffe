// Vorbexia on Windows: the game on the Win32 platform layer, with the same
// command line as on Linux.
#include <ctime>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/win32_console.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_quit_signal.h"
#include "platform/win32/win32_sound.h"
#include "platform/win32/win32_user_folders.h"
#include "render/gl_renderer.h"
#include "shell/game_launch.h"
#include "shell/game_window.h"

// After the game's headers (see win32_platform.cpp).
#include <windows.h>

namespace {

using namespace vorbexia;

std::string WithoutLastLineEnd(std::string text) {
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

// Started with no console and no redirection (from a shortcut), the lines
// the game would print reach the player in boxes instead: a refusal as the
// game's "ERROR", --help or --version under the game's name.
void ShowUnseenText(const std::string& out, const std::string& err) {
  if (out.empty() && err.empty()) return;
  const std::unique_ptr<Platform> platform = MakeWin32Platform(false);
  if (!err.empty()) {
    ShowGameBox(*platform, WithoutLastLineEnd(err), "ERROR", BoxIcon::kWarning);
  }
  if (!out.empty()) {
    ShowGameBox(*platform, WithoutLastLineEnd(out), "Vorbexia", BoxIcon::kInformation);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TextOutlets outlets;
  std::ostream& err = outlets.err();
  const std::vector<std::string> words = Utf8Arguments(GetCommandLineW());
  const std::vector<std::string_view> args(words.begin(), words.end());
  const PlatformKit kit{
      .time_seed = static_cast<uint32_t>(std::time(nullptr)),
      .folders = FindUserFolders(),
      .out = outlets.out(),
      .err = err,
      .make_platform = [&err](bool paced, bool unattended) {
        InstallConsoleQuitHandler();
        return MakeWin32Platform(paced, unattended ? &err : nullptr);
      },
      .make_renderer = MakeGlRenderer,
      .open_sound = [](int volume) { return OpenWin32Sound(volume); },
      // What the run itself prints has no box of its own: a lost recording
      // shows its box anyway, and a timedemo shows none.
      .ended_before_game =
          [&outlets] { ShowUnseenText(outlets.unseen_out(), outlets.unseen_err()); },
      .game_ended = NoteGameEnded,
      .err_is_terminal = false,
  };
  return RunGame(args, kit);
}
