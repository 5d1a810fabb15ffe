#include "shell/win32_messages.h"

#include <windows.h>

namespace vorbexia {
namespace {

void Queue(WindowMessages& messages, EventCode code, uint64_t wparam, int64_t lparam) {
  messages.events.push_back(
      Event{code, static_cast<uint32_t>(wparam), static_cast<uint32_t>(lparam)});
}

// A key whose release goes to another window would stay held for ever;
// losing the focus lets go of every held key, as the game's keys then see.
void ReleaseHeldKeys(WindowMessages& messages) {
  for (uint32_t key = 0; key < messages.held_keys.size(); ++key) {
    if (!messages.held_keys[key]) continue;
    messages.held_keys[key] = false;
    Queue(messages, EventCode::kKeyUp, key, 0);
  }
}

void TrackKey(WindowMessages& messages, uint64_t key, bool down) {
  if (key < messages.held_keys.size()) messages.held_keys[key] = down;
}

}  // namespace

bool TakeWindowMessage(WindowMessages& messages, uint32_t message, uint64_t wparam,
                       int64_t lparam) {
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) ReleaseHeldKeys(messages);
      Queue(messages, EventCode::kActivate, wparam, 0);
      return true;
    case WM_KILLFOCUS:
      ReleaseHeldKeys(messages);
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
      TrackKey(messages, wparam, message == WM_KEYDOWN);
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
