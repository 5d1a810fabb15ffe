// What the Win32 window procedure makes of a window message: the events of
// GameWindowProc, queued for the main loop (which runs GameWindowProc on
// them), and the key-ups of held keys when the window loses the focus.
#pragma once

#include <cstdint>
#include <deque>

#include "shell/held_keys.h"
#include "shell/platform.h"

namespace vorbexia {

struct WindowMessages {
  std::deque<Event> events;  // for PeekEvent, oldest first
  HeldKeys held_keys;        // as queued
};

// Queues the events of one message. True when the game handles the message
// itself (the window procedure returns 0); false for DefWindowProcA.
bool TakeWindowMessage(WindowMessages& messages, uint32_t message, uint64_t wparam,
                       int64_t lparam);

}  // namespace vorbexia
