// What the player does while a game runs, beside the world's own keys: the
// keys as bound, mouse turning, pause and help (the world stands still),
// screenshots and Alt+Enter. The loop hands every event here.
#pragma once

#include <string>
#include <vector>

#include "controls/key_bindings.h"
#include "controls/mouse_turn.h"
#include "shell/game_main.h"
#include "shell/game_window.h"

namespace vorbexia {

// The shell's side of a game in progress: the keys as bound, the mouse, and
// the pause and the help, during which the world stands still.
struct PlayState {
  BoundKeys bound;
  MouseTurn mouse;
  bool paused = false;
  bool help = false;        // the keys shown over the picture (also paused)
  bool screenshot = false;  // wanted from the next frame shown
  bool focused = true;      // the window has the keyboard focus
  bool captured = false;    // the mouse is captured for turning
  bool alt_enter_held = false;
};

// Follows one event of the window (never the quit event).
void FollowEvent(GameWindow& window, GameSession& session, PlayState& play, const Event& event);

// Captures the mouse exactly while it turns the view: mouse turning is on,
// no demo plays, and the game has the focus and runs.
void UpdateCapture(GameWindow& window, const GameSession& session, PlayState& play);

// The lines shown over the picture: the keys, "PAUZA", or none.
std::vector<std::string> OverlayLines(const GameSession& session, const PlayState& play);

}  // namespace vorbexia
