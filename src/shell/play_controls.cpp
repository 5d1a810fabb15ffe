#include "shell/play_controls.h"

#include "controls/help_text.h"
#include "render/overlay_layout.h"

namespace vorbexia {
namespace {

bool IsPress(const Event& event) {
  return (event.code == EventCode::kKeyDown && !event.alt) ||
         event.code == EventCode::kActionDown;
}

void ShowHelp(GameWindow& window, const GameSession& session, PlayState& play, bool on) {
  play.help = on;
  UpdateCapture(window, session, play);
}

// The menu closes and the game goes on; what the player changed in it is
// saved (a failure is told in a box; the game plays on with the changes).
void CloseMenu(GameWindow& window, GameSession& session, PlayState& play) {
  const bool changed = play.menu.changed;
  play.menu = Menu{};
  UpdateCapture(window, session, play);
  if (!changed || !session.save_settings) return;
  std::string error;
  if (session.save_settings(session.settings, error)) return;
  if (session.notes) {
    *session.notes << "vorbexia: the settings were not saved: " << error << '\n' << std::flush;
  }
  ShowGameBox(window.platform,
              std::string(TextsIn(session.settings.language).settings_not_saved)
                  .append("\n")
                  .append(error),
              "ERROR", BoxIcon::kWarning);
}

// A change in the options takes effect at once.
void ApplyOptions(GameSession& session, PlayState& play, const Settings& before) {
  const Settings& now = session.settings;
  if (now.volume != before.volume && session.sound) session.sound->SetVolume(now.volume);
  if (now.hud != before.hud) session.hud = now.hud;
  play.input.mouse.sensitivity = now.mouse_sensitivity;
}

// A move in the menu and what it asks of the shell; a change of the
// options takes effect at once.
void MoveAndFollow(GameWindow& window, GameSession& session, PlayState& play, MenuMove move) {
  const Settings before = session.settings;
  switch (MoveInMenu(play.menu, session.settings, move)) {
    case MenuOutcome::kNone: break;
    case MenuOutcome::kContinue: CloseMenu(window, session, play); break;
    case MenuOutcome::kHelp: ShowHelp(window, session, play, true); break;
    case MenuOutcome::kQuit:
      CloseMenu(window, session, play);
      window.platform.PostQuit();
      break;
  }
  ApplyOptions(session, play, before);
}

// A press while the menu is up: it moves in the menu and does nothing in
// the game. The screenshot key still takes a picture; the pause key closes
// the menu, the help key shows the help over it; on the keys screen every
// key but Esc is the new key.
void FollowMenu(GameWindow& window, GameSession& session, PlayState& play, const Event& event,
                const Posted& posted, bool repeat) {
  TakeBackPress(play.input, session.settings.bindings, event);
  Menu& menu = play.menu;
  if (menu.screen == MenuScreen::kPressKey && event.code == EventCode::kKeyDown) {
    // The key that chose the action, still held, is not the new key.
    if (!repeat) BindInMenu(menu, session.settings, event.key);
    return;
  }
  if (posted.action == Action::kScreenshot) {
    play.screenshot = !session.pictures.empty();
    return;
  }
  if (posted.action == Action::kPause) return CloseMenu(window, session, play);
  if (posted.action == Action::kHelp) return ShowHelp(window, session, play, true);
  const std::optional<MenuMove> move =
      event.code == EventCode::kKeyDown ? MenuMoveOfKey(event.key, session.settings.bindings)
      : posted.action ? MenuMoveOfAction(*posted.action)
                      : std::nullopt;
  if (move) MoveAndFollow(window, session, play, *move);
}

// Characters a UTF-8 line shows: one a code point.
int CellCount(const std::string& line) {
  int count = 0;
  for (const char c : line) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

// The line of the text over the picture at the pointer; -1 off it.
int LineAtPointer(const GameWindow& window, const std::vector<std::string>& lines,
                  const Event& event) {
  int columns = 0;
  for (const std::string& line : lines) columns = std::max(columns, CellCount(line));
  const int count = static_cast<int>(lines.size());
  const OverlayLayout layout = LayOutOverlay(count, columns, window.view_width, window.view_height);
  return OverlayLineAt(layout, count, event.x - window.view_x,
                       window.client_height - 1 - event.y - window.view_y);
}

// The pointer over the menu selects the item under it; a left click
// chooses that item, a right click goes back a level, as Return and Esc.
// Over the help either click goes back, as any key. A motion that did not
// move the pointer (the window system tells of one now and then, such as
// after a click) selects nothing: the pointer resting where a click left it
// must not pick a line of the next screen.
void FollowPointer(GameWindow& window, GameSession& session, PlayState& play,
                   const Event& event) {
  const bool moved = event.x != play.pointer_x || event.y != play.pointer_y;
  play.pointer_x = event.x, play.pointer_y = event.y;
  if (event.button == PointerButton::kNone && !moved) return;
  if (play.help) {
    if (event.button != PointerButton::kNone) ShowHelp(window, session, play, false);
    return;
  }
  if (!play.menu.open) return;
  if (event.button == PointerButton::kRight) {
    return MoveAndFollow(window, session, play, MenuMove::kBack);
  }
  const int line = LineAtPointer(window, MenuLines(play.menu, session.settings), event);
  if (PointAtLine(play.menu, line) && event.button == PointerButton::kLeft) {
    MoveAndFollow(window, session, play, MenuMove::kChoose);
  }
}


// A press in play or over the help. F1 shows the help and hides it again
// (back to the game); any other press over the help goes back a level, to
// the menu or the game, but the screenshot key's. P opens the menu.
void FollowPress(GameWindow& window, GameSession& session, PlayState& play, const Event& event,
                 Action action) {
  if (action == Action::kScreenshot) {
    play.screenshot = !session.pictures.empty();
    return;
  }
  if (play.help) {
    TakeBackPress(play.input, session.settings.bindings, event);
    if (action == Action::kHelp) play.menu = Menu{};
    return ShowHelp(window, session, play, false);
  }
  if (action == Action::kHelp) return ShowHelp(window, session, play, true);
  if (action == Action::kPause) {
    OpenMenu(play.menu);
    UpdateCapture(window, session, play);
  }
  if (action == Action::kToggleHud) session.hud = !session.hud;
}

}  // namespace

bool Paused(const PlayState& play) { return play.menu.open || play.help; }

void UpdateCapture(GameWindow& window, const GameSession& session, PlayState& play) {
  const bool wanted =
      session.settings.mouse && !session.replay && play.focused && window.active && !Paused(play);
  if (wanted == play.input.turning) return;
  window.platform.CaptureMouse(wanted);
  play.input.turning = wanted;
  play.input.mouse.owed = 0.0;
}

void FollowEvent(GameWindow& window, GameSession& session, PlayState& play, const Event& event) {
  const bool repeat = event.code == EventCode::kKeyDown && event.key < play.input.keys.size() &&
                      (play.input.keys[event.key] || play.input.muted[event.key]);
  const Posted posted = PostInput(play.input, session.settings.bindings, event);
  if (posted.full_screen) ToggleDesktopFullscreen(window);
  if (play.menu.open && !play.help && IsPress(event)) {
    FollowMenu(window, session, play, event, posted, repeat);
  } else if (posted.action) {
    FollowPress(window, session, play, event, *posted.action);
  }
  switch (event.code) {
    case EventCode::kKeyDown:
    case EventCode::kKeyUp:
    case EventCode::kActionDown:
    case EventCode::kActionUp:
    case EventCode::kMouseMove:
      return;
    case EventCode::kPointer:
      FollowPointer(window, session, play, event);
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
  if (play.menu.open) return MenuLines(play.menu, session.settings);
  return {};
}

}  // namespace vorbexia
