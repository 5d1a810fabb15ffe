// What the Win32 layer makes of Windows' messages: the window procedure's
// events, queued for the main loop (which runs GameWindowProc on them), the
// key-ups of held keys when the window loses the focus, the close when
// Windows ends the session, and the types and answers of MessageBoxA for the
// game's boxes.
#pragma once

#include <cstdint>
#include <deque>

#include "shell/held_keys.h"
#include "shell/key_sources.h"
#include "shell/platform.h"

namespace vorbexia {

struct WindowMessages {
  std::deque<Event> events;  // for PeekEvent, oldest first
  HeldKeys held_keys;        // as queued
  KeySources sources;        // who holds each key: the keyboard and the pads
  bool active = false;       // the window is the active one: the pads play
  bool session_ends = false;  // Windows ends the session: the close is queued
};

// Queues the events of one message. True when the game handles the message
// itself (the window procedure returns 0); false for DefWindowProcA. The
// screen saver and monitor power saving are refused here, with no event.
// The end of the session closes the game: asked whether it may end, the game
// queues the close and lets DefWindowProcA answer TRUE.
bool TakeWindowMessage(WindowMessages& messages, uint32_t message, uint64_t wparam,
                       int64_t lparam);

// Queues an event made outside the window procedure (a pad's keys).
void QueueEvent(WindowMessages& messages, const Event& event);

// MessageBoxA's type for a box: its buttons and its icon.
uint32_t MessageBoxType(const Box& box);

// The answer MessageBoxA gave (IDYES, IDNO, IDOK); a box that could not be
// shown answers No, or OK where OK is its only button.
BoxAnswer AnswerOfMessageBox(int answer, BoxButtons buttons);

}  // namespace vorbexia
