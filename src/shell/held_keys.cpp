#include "shell/held_keys.h"

namespace vorbexia {

void NoteKeyEvent(HeldKeys& held, const Event& event) {
  if (event.key >= held.down.size()) return;
  if (event.code == EventCode::kKeyDown) held.down[event.key] = true;
  if (event.code == EventCode::kKeyUp) held.down[event.key] = false;
}

std::vector<Event> ReleaseHeldKeys(HeldKeys& held) {
  std::vector<Event> releases;
  for (uint32_t code = 0; code < held.down.size(); ++code) {
    if (!held.down[code]) continue;
    releases.push_back(Event{EventCode::kKeyUp, code, 0});
    held.down[code] = false;
  }
  return releases;
}

}  // namespace vorbexia
