// What the Win32 layer makes of Windows' messages: the window procedure's
// events, queued for the main loop (which runs GameWindowProc on them), the
// focus lost, the captured mouse's motion, the close when Windows ends the
// session, and the types and answers of MessageBoxA for the game's boxes.
#pragma once

#include <cstdint>
#include <deque>

#include "shell/platform.h"

namespace vorbexia {

// While the mouse is captured the pointer is put back on the client area's
// centre after every move, so each WM_MOUSEMOVE tells how far it went.
struct MouseCapture {
  bool on = false;
  int centre_x = 0, centre_y = 0;  // client pixels
  bool moved = false;  // a move was reported: the pointer goes back
};

struct WindowMessages {
  std::deque<Event> events;  // for the shell's queue, oldest first
  MouseCapture mouse;
  bool active = false;       // the window is the active one: the pads play
  bool minimised = false;    // as the last activation said
  bool session_ends = false;  // Windows ends the session: the close is queued
};

// Queues the events of one message. True when the game handles the message
// itself (the window procedure returns 0); false for DefWindowProcA. The
// screen saver and monitor power saving are refused here, with no event.
// Every key is queued, one pressed with Alt held with `alt`; of the system
// keys only Alt+F4 (the close) goes on to DefWindowProcA. While the mouse is
// captured each move off the centre is queued as motion and `mouse.moved`
// set: the pointer is to go back to the centre.
// The end of the session closes the game: asked whether it may end, the game
// queues the close and lets DefWindowProcA answer TRUE.
bool TakeWindowMessage(WindowMessages& messages, uint32_t message, uint64_t wparam,
                       int64_t lparam);

// Queues an event made outside the window procedure (a pad's controls).
void QueueEvent(WindowMessages& messages, const Event& event);

// MessageBoxA's type for a box: its buttons and its icon.
uint32_t MessageBoxType(const Box& box);

// The answer MessageBoxA gave (IDYES, IDNO, IDOK); a box that could not be
// shown answers No, or OK where OK is its only button.
BoxAnswer AnswerOfMessageBox(int answer, BoxButtons buttons);

}  // namespace vorbexia
