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

// What a press asks of the shell. F1 shows the help, also over the pause;
// while paused, any other press resumes and does nothing else, but the
// screenshot key's.
void FollowPress(GameWindow& window, GameSession& session, PlayState& play, Action action) {
  if (action == Action::kScreenshot) {
    play.screenshot = !session.pictures.empty();
    return;
  }
  if (action == Action::kHelp && !play.help) {
    SetPaused(window, session, play, true, true);
    return;
  }
  if (play.paused) {
    ForgetPress(play.input, action);
    SetPaused(window, session, play, false, false);
    return;
  }
  if (action == Action::kPause) SetPaused(window, session, play, true, false);
  if (action == Action::kToggleHud) session.hud = !session.hud;
}

}  // namespace

void UpdateCapture(GameWindow& window, const GameSession& session, PlayState& play) {
  const bool wanted =
      session.settings.mouse && !session.replay && play.focused && window.active && !play.paused;
  if (wanted == play.input.turning) return;
  window.platform.CaptureMouse(wanted);
  play.input.turning = wanted;
  play.input.mouse.owed = 0.0;
}

void FollowEvent(GameWindow& window, GameSession& session, PlayState& play, const Event& event) {
  const Posted posted = PostInput(play.input, session.settings.bindings, event);
  if (posted.full_screen) ToggleDesktopFullscreen(window);
  if (posted.action) FollowPress(window, session, play, *posted.action);
  switch (event.code) {
    case EventCode::kKeyDown:
    case EventCode::kKeyUp:
    case EventCode::kActionDown:
    case EventCode::kActionUp:
    case EventCode::kMouseMove:
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
