#include "platform/win32/win32_messages.h"

#include <windows.h>

namespace vorbexia {
namespace {

// The session ends once Windows has asked, or at its end where it has not.
void CloseForSessionEnd(WindowMessages& messages) {
  if (messages.session_ends) return;
  messages.session_ends = true;
  QueueEvent(messages, Event{EventCode::kClose});
}

// An active window that is not minimised gets the keyboard focus (from
// DefWindowProcA, right after this message).
Event ActivateEvent(uint64_t wparam) {
  Event event{EventCode::kActivate};
  event.minimised = HIWORD(wparam) != 0;
  event.focus = LOWORD(wparam) != WA_INACTIVE && !event.minimised;
  return event;
}

// Every virtual-key code is below 256. A system key comes with Alt held
// where bit 29 of lparam (the context code) says so; F10 alone is a system
// key too, without it.
Event KeyEvent(uint32_t message, uint64_t wparam, int64_t lparam) {
  const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
  Event event{down ? EventCode::kKeyDown : EventCode::kKeyUp, static_cast<uint32_t>(wparam & 0xFF)};
  event.alt = down && message == WM_SYSKEYDOWN && (lparam & (int64_t{1} << 29)) != 0;
  return event;
}

// The pointer's offset from the centre it was put on; the move that put it
// there (no offset) reports nothing.
bool TakeMouseMove(WindowMessages& messages, int64_t lparam) {
  MouseCapture& mouse = messages.mouse;
  // Client coordinates, signed: a pointer left of or above the client area
  // is at a negative position.
  const int x = static_cast<int16_t>(LOWORD(lparam));
  const int y = static_cast<int16_t>(HIWORD(lparam));
  Event event{EventCode::kMouseMove};
  event.dx = x - mouse.centre_x;
  event.dy = y - mouse.centre_y;
  if (event.dx == 0 && event.dy == 0) return true;
  QueueEvent(messages, event);
  mouse.moved = true;
  return true;
}

// The pointer at client coordinates x (low word) and y (high word), signed.
Event PointerEvent(int64_t lparam, PointerButton button) {
  Event event{EventCode::kPointer};
  event.x = static_cast<int16_t>(LOWORD(lparam));
  event.y = static_cast<int16_t>(HIWORD(lparam));
  event.button = button;
  return event;
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
      messages.minimised = HIWORD(wparam) != 0;
      QueueEvent(messages, ActivateEvent(wparam));
      return true;
    // The keyboard gone elsewhere, also with the window still active: the
    // keys held are let go, as their releases go to another window.
    case WM_KILLFOCUS: {
      Event lost{EventCode::kActivate};
      lost.minimised = messages.minimised;
      QueueEvent(messages, lost);
      return false;
    }
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
      QueueEvent(messages, KeyEvent(message, wparam, lparam));
      return true;
    // Queued as any key, and kept from DefWindowProcA but for Alt+F4 (the
    // close): Alt or F10 let go alone, and Alt with a character, would lead
    // into the system menu, whose loop holds the game (and beeps at
    // Alt+Enter).
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      QueueEvent(messages, KeyEvent(message, wparam, lparam));
      return !(message == WM_SYSKEYDOWN && wparam == VK_F4);
    case WM_SYSCHAR:
      return true;
    case WM_MOUSEMOVE:
      if (messages.mouse.on) return TakeMouseMove(messages, lparam);
      QueueEvent(messages, PointerEvent(lparam, PointerButton::kNone));
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      if (messages.mouse.on) return false;
      QueueEvent(messages, PointerEvent(lparam, message == WM_LBUTTONDOWN ? PointerButton::kLeft
                                                                          : PointerButton::kRight));
      return true;
    case WM_SIZE:
      QueueEvent(messages, SizeEvent(lparam));
      return true;
    default:
      return false;
  }
}

void QueueEvent(WindowMessages& messages, const Event& event) {
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
