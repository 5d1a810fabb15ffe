// The platform layer: everything the shell needs of the window system, in one
// narrow interface. The game runs on SdlPlatform; tests run the very same
// shell code on a scripted stand-in.
//
// The operations follow the steps the game takes to build and tear down its
// window, so that each step can fail on its own and be reported with its own
// box; a platform on which a step has no counterpart simply succeeds there.
#pragma once

#include <cstdint>
#include <string>

namespace vorbexia {

// Message box types and answers, with the values the game was written for.
constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_YESNO = 0x04;
constexpr unsigned MB_ICONSTOP = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned kBoxButtonMask = 0x0F;
constexpr unsigned kBoxIconMask = 0xF0;

constexpr int IDOK = 1;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Whose child a box is: the game's own boxes have no owner; the bitmap
// reader's boxes belong to the window with the keyboard focus.
enum class BoxOwner { kNone, kFocusWindow };

// Window events, coded as the game's window procedure expects them.
enum class EventCode : uint32_t {
  kOther = 0,
  kActivate,   // wParam high word: 1 when the window is minimised
  kSysCommand, // wParam: the system command
  kClose,      // the window is asked to close
  kKeyDown,    // wParam: virtual-key code
  kKeyUp,      // wParam: virtual-key code
  kSize,       // lParam: client width in the low word, height in the high word
  kQuit,       // the quit event posted by PostQuit
};

// System commands the window refuses while it runs.
constexpr uint32_t SC_SCREENSAVE = 0xF140;
constexpr uint32_t SC_MONITORPOWER = 0xF170;

struct Event {
  EventCode code = EventCode::kOther;
  uint32_t wparam = 0;
  uint32_t lparam = 0;
};

inline uint32_t MakeLong(uint32_t low, uint32_t high) {
  return (low & 0xFFFFu) | ((high & 0xFFFFu) << 16);
}
inline uint32_t LowWord(uint32_t value) { return value & 0xFFFFu; }
inline uint32_t HighWord(uint32_t value) { return value >> 16; }

class Platform {
 public:
  virtual ~Platform() = default;

  // A modal box; returns IDOK, IDYES or IDNO. Where no box can be shown the
  // caption and text go to standard error and the answer is IDNO (or IDOK).
  virtual int ShowMessageBox(BoxOwner owner, const std::string& text,
                             const std::string& caption, unsigned type) = 0;

  // The window class: registered before the window, unregistered last.
  virtual bool RegisterWindowClass() = 0;
  virtual bool UnregisterWindowClass() = 0;

  // The temporary full-screen display mode and the mouse cursor.
  virtual bool ChangeDisplayMode(int width, int height, int bits) = 0;
  virtual void RestoreDisplayMode() = 0;
  virtual void ShowCursor(bool show) = 0;

  // The window: outer size width x height at (0, 0).
  virtual bool CreateWindow(const std::string& title, int width, int height,
                            bool fullscreen) = 0;
  virtual bool DestroyWindow() = 0;
  // Shows the window, brings it to the foreground and gives it the focus.
  virtual void ShowWindow() = 0;

  // The device context and its pixel format (double-buffered RGB, 16-bit
  // depth, no alpha, stencil or accumulation buffers).
  virtual bool GetDeviceContext() = 0;
  virtual bool ReleaseDeviceContext() = 0;
  virtual bool ChoosePixelFormat(int color_bits) = 0;
  virtual bool SetPixelFormat() = 0;

  // The OpenGL rendering context.
  virtual bool CreateContext() = 0;
  virtual bool MakeContextCurrent() = 0;
  virtual bool DetachContext() = 0;
  virtual bool DeleteContext() = 0;
  virtual bool HasCurrentContext() = 0;

  // The event queue: never blocks; false when no event is pending.
  virtual bool PeekEvent(Event& event) = 0;
  // Posts the quit event, taken by PeekEvent after the events already queued.
  virtual void PostQuit() = 0;
  // The signal by which the player or the system asked the game to end from
  // outside the window (interrupt, terminate, hang-up), 0 while none has.
  // Once set, no further box is shown and PeekEvent reports the quit event.
  virtual int QuitSignal() { return 0; }

  // Shows the back buffer.
  virtual void SwapBuffers() = 0;
};

}  // namespace vorbexia
