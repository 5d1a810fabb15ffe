#include "platform/win32/win32_messages.h"

#include <windows.h>

namespace vorbexia {
namespace {

// Keys held now are let go: their releases would go to another window and
// the game would walk on by itself. The game never released them, nor did
// the pads, which act again only once pressed anew.
void LetGoOfHeldKeys(WindowMessages& messages) {
  for (const Event& release : ReleaseHeldKeys(messages.held_keys)) {
    messages.events.push_back(release);
  }
  ForgetHolders(messages.sources);
}

// A key the keyboard lets go of while a pad still holds it stays held.
void QueueKeyboardKey(WindowMessages& messages, const Event& event) {
  if (PassSourceKey(messages.sources, kKeyboardSource, event)) QueueEvent(messages, event);
}

// The session ends once Windows has asked, or at its end where it has not.
void CloseForSessionEnd(WindowMessages& messages) {
  if (messages.session_ends) return;
  messages.session_ends = true;
  QueueEvent(messages, Event{EventCode::kClose});
}

Event ActivateEvent(uint64_t wparam) {
  Event event{EventCode::kActivate};
  event.minimised = HIWORD(wparam) != 0;
  return event;
}

Event KeyEvent(uint32_t message, uint64_t wparam) {
  const EventCode code = message == WM_KEYDOWN ? EventCode::kKeyDown : EventCode::kKeyUp;
  return Event{code, static_cast<uint32_t>(wparam)};
}

// The new client area: width in the low word, height in the high word.
Event SizeEvent(int64_t lparam) {
  return Event{EventCode::kSize, 0, LOWORD(lparam), HIWORD(lparam)};
}

// While the game runs the screen saver stays off and the monitor stays on.
bool RefusesSystemCommand(uint64_t command) {
  return command == SC_SCREENSAVE || command == SC_MONITORPOWER;
}

uint32_t ButtonsType(BoxButtons buttons) {
  switch (buttons) {
    case BoxButtons::kOk: return MB_OK;
    case BoxButtons::kYesNo: return MB_YESNO;
  }
  return MB_OK;
}

uint32_t IconType(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::kNone: return 0;
    case BoxIcon::kQuestion: return MB_ICONQUESTION;
    case BoxIcon::kWarning: return MB_ICONEXCLAMATION;
    case BoxIcon::kStop: return MB_ICONSTOP;
    case BoxIcon::kInformation: return MB_ICONINFORMATION;
  }
  return 0;
}

}  // namespace

bool TakeWindowMessage(WindowMessages& messages, uint32_t message, uint64_t wparam,
                       int64_t lparam) {
  switch (message) {
    case WM_ACTIVATE:
      messages.active = LOWORD(wparam) != WA_INACTIVE;
      if (!messages.active) LetGoOfHeldKeys(messages);
      QueueEvent(messages, ActivateEvent(wparam));
      return true;
    case WM_KILLFOCUS:
      LetGoOfHeldKeys(messages);
      return false;
    case WM_SYSCOMMAND:
      return RefusesSystemCommand(wparam);
    case WM_CLOSE:
      QueueEvent(messages, Event{EventCode::kClose});
      return true;
    case WM_QUERYENDSESSION:
      CloseForSessionEnd(messages);
      return false;  // DefWindowProcA answers TRUE: the session may end
    case WM_ENDSESSION:
      if (wparam != FALSE) CloseForSessionEnd(messages);
      return true;
    case WM_KEYDOWN:
    case WM_KEYUP:
      QueueKeyboardKey(messages, KeyEvent(message, wparam));
      return true;
    case WM_SIZE:
      QueueEvent(messages, SizeEvent(lparam));
      return true;
    default:
      return false;
  }
}

void QueueEvent(WindowMessages& messages, const Event& event) {
  NoteKeyEvent(messages.held_keys, event);
  messages.events.push_back(event);
}

uint32_t MessageBoxType(const Box& box) {
  return ButtonsType(box.buttons) | IconType(box.icon);
}

BoxAnswer AnswerOfMessageBox(int answer, BoxButtons buttons) {
  switch (answer) {
    case IDYES: return BoxAnswer::kYes;
    case IDNO: return BoxAnswer::kNo;
    case IDOK: return BoxAnswer::kOk;
    default: return buttons == BoxButtons::kYesNo ? BoxAnswer::kNo : BoxAnswer::kOk;
  }
}

}  // namespace vorbexia
