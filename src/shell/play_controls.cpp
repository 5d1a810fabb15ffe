#include "shell/play_controls.h"

#include "controls/help_text.h"

namespace vorbexia {
namespace {

void SetPaused(GameWindow& window, const GameSession& session, PlayState& play, bool paused,
               bool help) {
  play.paused = paused;
  play.help = help;
  UpdateCapture(window, session, play);
}

// The shell's own keys: pause, help, screenshot. F1 shows the help, also
// over the pause; while paused, any other bound key resumes and does
// nothing else, but the screenshot key.
bool TakeShellKey(GameWindow& window, const GameSession& session, PlayState& play,
                  const BoundEvent& bound, bool down) {
  if (bound.action == Action::kScreenshot) {
    play.screenshot = !session.pictures.empty();
    return true;
  }
  if (bound.action == Action::kHelp && !play.help) {
    SetPaused(window, session, play, true, true);
    return true;
  }
  if (play.paused) {
    if (!down || !(bound.action || bound.table_event)) return false;
    SetPaused(window, session, play, false, false);
    return true;
  }
  if (bound.action == Action::kPause) SetPaused(window, session, play, true, false);
  return bound.action.has_value();
}

void FollowKey(GameWindow& window, GameSession& session, PlayState& play, const Event& event) {
  const bool down = event.code == EventCode::kKeyDown;
  // Of the keys pressed with Alt held, the game takes Alt+Enter only, once
  // a press however long the key repeats.
  if (event.key == kKeyReturn && !down) play.alt_enter_held = false;
  if (down && event.alt) {
    if (event.key == kKeyReturn && !play.alt_enter_held) ToggleDesktopFullscreen(window);
    play.alt_enter_held = play.alt_enter_held || event.key == kKeyReturn;
    return;
  }
  const BoundEvent bound = BindKeyEvent(session.settings.bindings, play.bound, event);
  if (TakeShellKey(window, session, play, bound, down)) return;
  if (bound.table_event) GameWindowProc(window, *bound.table_event);
}

}  // namespace

void UpdateCapture(GameWindow& window, const GameSession& session, PlayState& play) {
  const bool wanted =
      session.settings.mouse && !session.replay && play.focused && window.active && !play.paused;
  if (wanted == play.captured) return;
  window.platform.CaptureMouse(wanted);
  play.captured = wanted;
  play.mouse.owed = 0.0;
}

void FollowEvent(GameWindow& window, GameSession& session, PlayState& play, const Event& event) {
  switch (event.code) {
    case EventCode::kKeyDown:
    case EventCode::kKeyUp:
      FollowKey(window, session, play, event);
      return;
    case EventCode::kMouseMove:
      if (play.captured) AddMouseMotion(play.mouse, event.dx);
      return;
    case EventCode::kActivate:
      GameWindowProc(window, event);
      play.focused = event.focus;
      UpdateCapture(window, session, play);
      return;
    default:
      GameWindowProc(window, event);
      return;
  }
}

std::vector<std::string> OverlayLines(const GameSession& session, const PlayState& play) {
  if (play.help) return HelpLines(session.settings);
  if (play.paused) return {"PAUZA"};
  return {};
}

}  // namespace vorbexia
