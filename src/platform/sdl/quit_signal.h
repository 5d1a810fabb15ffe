// Interrupt, terminate and hang-up signals end the game promptly, boxes
// included.
//
// SDL shows each message box from a child process and waits for it; a
// signal that only set a flag would wait for the player to answer, and one
// that ended the game would leave the box behind. So the handler sets the
// flag and ends the child of any open box; no further box is shown, and the
// game winds down the usual way, restoring the display mode.
#pragma once

namespace vorbexia {

// Installs the handlers for SIGINT, SIGTERM and SIGHUP; call once, on the
// thread that shows the boxes, before SDL starts.
void InstallQuitSignalHandlers();

// The first of those signals to arrive, 0 while none has.
int QuitSignalled();

}  // namespace vorbexia
