// Ctrl+C, Ctrl+Break and the closing of the console that started the game
// end it as Esc does, the way interrupt and terminate signals end the Linux
// game: Windows runs the console's handler on a thread of its own, which
// only notes the request; the platform then reports the quit event, shows
// no further box, and the game winds down the usual way (a recording is
// finished, a timedemo says it was interrupted).
#pragma once

namespace vorbexia {

// Installs the handler; call once, before the game starts. Harmless
// without a console.
void InstallConsoleQuitHandler();

// SIGINT after Ctrl+C or Ctrl+Break, SIGTERM after the console was closed or
// the session ends; 0 while neither came.
int ConsoleQuitSignal();

// Called as the game has wound down: a handler waiting for it (a console
// being closed ends the process as soon as its handler returns) may return.
void NoteGameEnded();

// What the handler does with one console event (the handler itself, for
// tests): true when the event is the game's to handle.
bool TakeConsoleEvent(unsigned long event);

}  // namespace vorbexia
