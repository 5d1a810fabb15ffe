// What a platform layer hands the game from its window system: the keys,
// the pads' controls, the mouse's motion and the window's own changes, one
// event at a time. The input state reads them as the player's controls; the
// loop reads the rest.
#pragma once

#include <cstdint>

#include "controls/action.h"

namespace vorbexia {

// Who holds a control: the pads are sources 1 to kMaxSource (the keyboard's
// keys go through the key bindings and are held by key).
constexpr int kMaxSource = 63;

enum class EventCode : uint32_t {
  kActivate,  // the window was activated or deactivated; `minimised`, `focus`
  kClose,     // the window is asked to close
  kKeyDown,   // `key`: the virtual-key code, looked up in the key bindings
  kKeyUp,     // `key`
  kActionDown,  // a control that is no key (a pad's button or stick): its
                // `action` pressed, by `source`
  kActionUp,    // `action` let go by `source`
  kSize,      // the client area is `width` x `height` pixels
  kQuit,      // the quit event posted by PostQuit
  kMouseMove, // relative motion `dx`, `dy` pixels while the mouse is captured
  kDesktopLeft,  // desktop full screen was left from outside the game (the
                 // browser's own Esc or F11)
  kPointer,   // the pointer, not captured, moved to or `button` pressed at
              // `x`, `y` pixels of the client area (from its top left)
};

// kPointer: what the pointer did.
enum class PointerButton { kNone, kLeft, kRight };

struct Event {
  EventCode code = EventCode::kQuit;
  uint32_t key = 0;
  int width = 0;
  int height = 0;
  bool minimised = false;
  bool focus = false;  // kActivate: the window has the keyboard focus
  // A key pressed with Alt held (a system key: the game takes only
  // Alt+Enter of those).
  bool alt = false;
  // kActionDown, kActionUp: what the control does, and who holds it.
  Action action = Action::kWalk;
  int source = 0;
  int dx = 0;  // kMouseMove: pixels to the right
  int dy = 0;  // kMouseMove: pixels down
  int x = 0;   // kPointer: pixels from the client area's left edge
  int y = 0;   // kPointer: pixels from its top edge
  PointerButton button = PointerButton::kNone;  // kPointer: kNone a move
};

}  // namespace vorbexia
