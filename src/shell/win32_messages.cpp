#include "shell/win32_messages.h"

#include <windows.h>

namespace vorbexia {
namespace {

void Queue(WindowMessages& messages, EventCode code, uint64_t wparam, int64_t lparam) {
  const Event event{code, static_cast<uint32_t>(wparam), static_cast<uint32_t>(lparam)};
  NoteKeyEvent(messages.held_keys, event);
  messages.events.push_back(event);
}

// Keys held now are let go: their releases would go to another window and
// the game would walk on by itself. The game never released them.
void LetGoOfHeldKeys(WindowMessages& messages) {
  for (const Event& release : ReleaseHeldKeys(messages.held_keys)) {
    messages.events.push_back(release);
  }
}

}  // namespace

bool TakeWindowMessage(WindowMessages& messages, uint32_t message, uint64_t wparam,
                       int64_t lparam) {
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) LetGoOfHeldKeys(messages);
      Queue(messages, EventCode::kActivate, wparam, 0);
      return true;
    case WM_KILLFOCUS:
      LetGoOfHeldKeys(messages);
      return false;
    case WM_SYSCOMMAND:
      if (wparam != SC_SCREENSAVE && wparam != SC_MONITORPOWER) return false;
      Queue(messages, EventCode::kSysCommand, wparam, 0);
      return true;
    case WM_CLOSE:
      Queue(messages, EventCode::kClose, 0, 0);
      return true;
    case WM_KEYDOWN:
    case WM_KEYUP:
      Queue(messages, message == WM_KEYDOWN ? EventCode::kKeyDown : EventCode::kKeyUp, wparam, 0);
      return true;
    case WM_SIZE:
      Queue(messages, EventCode::kSize, 0, MakeLong(LOWORD(lparam), HIWORD(lparam)));
      return true;
    default:
      return false;
  }
}

}  // namespace vorbexia
