#include "platform/win32/win32_quit_signal.h"

#include <atomic>
#include <csignal>

// After the game's own headers (see win32_platform.cpp).
#include <windows.h>

namespace vorbexia {
namespace {

// The handler runs on a thread that Windows makes for it and takes no
// context: the request and the "game ended" event are process-wide.
std::atomic<int> quit_signal{0};
HANDLE game_ended = nullptr;

// Windows ends the process about five seconds after a console is closed;
// the game is given most of that to wind down.
constexpr DWORD kWindDownMs = 4500;

BOOL WINAPI OnConsoleEvent(DWORD event) { return TakeConsoleEvent(event) ? TRUE : FALSE; }

}  // namespace

bool TakeConsoleEvent(unsigned long event) {
  int signal_number = 0;
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT: signal_number = SIGINT; break;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT: signal_number = SIGTERM; break;
    default: return false;
  }
  int none = 0;
  quit_signal.compare_exchange_strong(none, signal_number);
  // These three end the process when the handler returns: wait for the game.
  if (signal_number == SIGTERM && game_ended != nullptr) {
    WaitForSingleObject(game_ended, kWindDownMs);
  }
  return true;
}

void InstallConsoleQuitHandler() {
  game_ended = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  SetConsoleCtrlHandler(&OnConsoleEvent, TRUE);
}

int ConsoleQuitSignal() { return quit_signal.load(); }

void NoteGameEnded() {
  if (game_ended != nullptr) SetEvent(game_ended);
}

}  // namespace vorbexia
