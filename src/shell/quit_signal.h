// Interrupt and terminate signals end the game promptly, boxes included.
//
// SDL shows each message box from a child process and waits for it; a
// signal that only set a flag would wait for the player to answer, and one
// that ended the game would leave the box behind. So the handler sets the
// flag and ends the child of any open box; no further box is shown, and the
// game winds down the usual way, restoring the display mode.
#pragma once

namespace vorbexia {

// Installs the handlers for SIGINT and SIGTERM; call once, on the thread
// that shows the boxes, before SDL starts.
void InstallQuitSignalHandlers();

// True once SIGINT or SIGTERM has arrived.
bool QuitSignalled();

}  // namespace vorbexia
