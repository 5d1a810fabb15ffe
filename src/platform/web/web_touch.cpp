#include "platform/web/web_touch.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <array>
#include <utility>

// The oldest of the page's queued touches, [finger, name, down]: its name
// into `name` (at most `size` bytes with the terminating zero), and
// finger * 2 + down returned; -1 when the queue is empty.
EM_JS(int, ShiftPageTouch, (char* name, int size), {
  const queue = Module.vorbexiaTouches;
  if (!queue || queue.length === 0) return -1;
  const [finger, action, down] = queue.shift();
  stringToUTF8(String(action), name, size);
  return Number.isInteger(finger) && finger >= 0 && finger < 1024 ? finger * 2 + (down ? 1 : 0) : 2048;
});

namespace vorbexia {

static_assert(kTouchFingers >= 10, "room for every finger of two hands");

std::optional<Action> TouchAction(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, Action>, 6> kNames{{
      {"walk", Action::kWalk},
      {"back", Action::kBack},
      {"turn_left", Action::kTurnLeft},
      {"turn_right", Action::kTurnRight},
      {"fire", Action::kFire},
      {"pause", Action::kPause},
  }};
  for (const auto& [known, action] : kNames) {
    if (name == known) return action;
  }
  return std::nullopt;
}

std::optional<Event> TouchEvent(int finger, std::string_view name, bool down) {
  const std::optional<Action> action = TouchAction(name);
  if (!action || finger < 0 || finger >= kTouchFingers) return std::nullopt;
  return Event{.code = down ? EventCode::kActionDown : EventCode::kActionUp,
               .action = *action,
               .source = kFirstTouchSource + finger};
}

bool TakePageTouch(Event& event) {
  std::array<char, 32> name{};
  for (;;) {
    const int taken = ShiftPageTouch(name.data(), static_cast<int>(name.size()));
    if (taken < 0) return false;
    if (const std::optional<Event> touch = TouchEvent(taken / 2, name.data(), taken % 2 != 0)) {
      event = *touch;
      return true;
    }
  }
}

}  // namespace vorbexia
