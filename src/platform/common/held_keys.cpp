#include "platform/common/held_keys.h"

namespace vorbexia {

void NoteKeyEvent(HeldKeys& held, const Event& event) {
  if (event.key >= held.down.size()) return;
  auto& down = event.pad ? held.pad : held.down;
  if (event.code == EventCode::kKeyDown) down[event.key] = true;
  if (event.code == EventCode::kKeyUp) down[event.key] = false;
}

std::vector<Event> ReleaseHeldKeys(HeldKeys& held) {
  std::vector<Event> releases;
  for (const bool pad : {false, true}) {
    auto& down = pad ? held.pad : held.down;
    for (uint32_t code = 0; code < down.size(); ++code) {
      if (!down[code]) continue;
      releases.push_back(Event{.code = EventCode::kKeyUp, .key = code, .pad = pad});
      down[code] = false;
    }
  }
  return releases;
}

}  // namespace vorbexia
