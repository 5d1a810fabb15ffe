// The keys the window has seen pressed and not yet released, so that they
// can be let go when the window loses the keyboard focus.
#pragma once

#include <array>
#include <vector>

#include "controls/event.h"

namespace vorbexia {

struct HeldKeys {
  std::array<bool, 256> down{};  // the keyboard's, by virtual-key code
  std::array<bool, 256> pad{};   // the pads', by the game's key code
};

// Follows a key-down or key-up event; other events change nothing.
void NoteKeyEvent(HeldKeys& held, const Event& event);

// Key-up events for every held key, the keyboard's and then the pads'
// (marked as theirs), lowest code first; afterwards none is held.
std::vector<Event> ReleaseHeldKeys(HeldKeys& held);

}  // namespace vorbexia
