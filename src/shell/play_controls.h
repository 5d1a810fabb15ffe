// What the player does while a game runs: every event of the player's goes
// into the input state, and what it asks of the shell happens here: the
// menu and the help (the world stands still), screenshots, the HUD,
// Alt+Enter, and the mouse captured exactly while it turns the view. The
// loop hands every event here.
#pragma once

#include <string>
#include <vector>

#include "controls/input_state.h"
#include "render/hit_flash.h"
#include "shell/game_main.h"
#include "shell/game_window.h"
#include "shell/menu.h"

namespace vorbexia {

// The shell's side of a game in progress: the input, the menu and the help,
// during which the world stands still.
struct PlayState {
  InputState input;
  Menu menu;
  bool help = false;        // the keys shown over the picture
  bool screenshot = false;  // wanted from the next frame shown
  bool focused = true;      // the window has the keyboard focus
  HitFlash flash;           // robots flashing from a hit
  std::string note;         // low on the screen: the last screenshot's name
  int note_frames = 0;      // frames shown the note has left
  int pointer_x = -1, pointer_y = -1;  // where the pointer was last seen
};

// The menu or the help is up: no frame runs.
bool Paused(const PlayState& play);

// Follows one event of the window (never the quit event).
void FollowEvent(GameWindow& window, GameSession& session, PlayState& play, const Event& event);

// Captures the mouse exactly while it turns the view: mouse turning is on,
// no demo plays, and the game has the focus and runs.
void UpdateCapture(GameWindow& window, const GameSession& session, PlayState& play);

// The lines shown over the picture: the help, the menu, or none.
std::vector<std::string> OverlayLines(const GameSession& session, const PlayState& play);

}  // namespace vorbexia
