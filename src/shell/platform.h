// The platform layer: everything the game needs of the window system, in one
// narrow interface. The game runs on the SDL2 layer on Linux and on the
// Win32 layer on Windows; tests run the very same shell code on a scripted
// stand-in.
//
// The shell owns the order in which the window is built and torn down, and
// the box that tells the player which step failed. A platform takes the
// steps its window system has and says which those are; the shell skips
// the others. The shell owns the event queue's order too: a platform only
// translates its window system's events and posts them.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "controls/event.h"

namespace vorbexia {

// Whose child a box is: the game's own boxes have no owner; the bitmap
// reader's boxes belong to the window with the keyboard focus.
enum class BoxOwner { kNone, kFocusWindow };
enum class BoxButtons { kOk, kYesNo };
enum class BoxIcon { kNone, kQuestion, kWarning, kStop, kInformation };
enum class BoxAnswer { kOk, kYes, kNo };

struct Box {
  std::string text;
  std::string caption;
  BoxButtons buttons = BoxButtons::kOk;
  BoxIcon icon = BoxIcon::kNone;
  BoxOwner owner = BoxOwner::kNone;
  // A question's buttons, where the window system lets the game name them.
  std::string yes = "Tak";
  std::string no = "Nie";
};

// The steps that build the game's window and its OpenGL context, in the
// order the shell takes them. Releasing a step undoes it; the teardown
// releases in the reverse order.
enum class WindowStep {
  kOpenDisplay,        // the window system, ready for the game's window
  kCreateWindow,       // the window, hidden
  kGetDrawable,        // the window's own drawing surface
  kChoosePixelFormat,  // double-buffered RGB, 16-bit depth, no alpha,
                       // stencil or accumulation buffers
  kSetPixelFormat,
  kCreateContext,      // the OpenGL rendering context
  kMakeCurrent,        // the context, current on this thread
};

// What the window is to be.
struct WindowRequest {
  std::string title;
  int width = 0;   // outer size, pixels
  int height = 0;  // pixels
  int bits = 0;    // colour bits per pixel
  bool fullscreen = false;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // A modal box and its answer. Where no box can be shown the caption and
  // text go to standard error and the answer is No (or OK).
  virtual BoxAnswer ShowBox(const Box& box) = 0;

  // Whether the window system has this step; by default every one.
  virtual bool HasStep(WindowStep step) const {
    (void)step;
    return true;
  }
  // Takes one step of building the window; false when it failed.
  virtual bool Build(WindowStep step, const WindowRequest& request) = 0;
  // Undoes a step that was taken; false when that failed. The rendering
  // context is detached (kMakeCurrent) and deleted (kCreateContext)
  // whenever it was created.
  virtual bool Release(WindowStep step) = 0;
  // Shows the built window, brings it to the foreground and gives it the
  // keyboard focus.
  virtual void ShowWindow() = 0;
  // True while the game's rendering context is current on this thread.
  virtual bool HasCurrentContext() = 0;

  // The temporary full-screen display mode, with the mouse cursor hidden;
  // false when the display refuses it. Leaving restores the display's own
  // mode and shows the cursor.
  virtual bool EnterFullscreen(int width, int height, int bits) = 0;
  virtual void LeaveFullscreen() = 0;

  // Desktop full screen: the window covers the display at the display's
  // own resolution, with no mode switch; off brings back the window of the
  // requested size. A size event follows. False where the window system
  // has none.
  virtual bool SetDesktopFullscreen(bool on) {
    (void)on;
    return false;
  }

  // While captured the pointer is hidden and held in the window, and mouse
  // motion arrives as kMouseMove events.
  virtual void CaptureMouse(bool on) { (void)on; }

  // The next event, never waiting; false when none is pending. The order is
  // the same on every window system: the quit event once a quit signal has
  // come; then the events posted, oldest first (the window system's own are
  // translated and posted when none is left); the quit event of PostQuit
  // last, after every event already there.
  bool NextEvent(Event& event);
  // Posts the quit event.
  void PostQuit() { quit_posted_ = true; }
  // The signal by which the player or the system asked the game to end from
  // outside the window (interrupt, terminate, hang-up), 0 while none has.
  // Once set, no further box is shown and NextEvent reports the quit event.
  virtual int QuitSignal() { return 0; }

  // Whether the frame now being drawn will be shown. A platform that knows
  // that the next frame replaces it before the display shows either (the
  // browser, running the frames due at one animation frame one after the
  // other) answers false; the frame's world step still runs, its drawing
  // is left out.
  virtual bool FrameShown() { return true; }

  // Shows the back buffer.
  virtual void SwapBuffers() = 0;

 protected:
  // An event of the window system's, translated, for NextEvent.
  void Post(const Event& event) { posted_.push_back(event); }
  // Translates the window system's pending events and posts them, stopping
  // once one is posted or none is pending; never waits.
  virtual void PumpEvents() = 0;

 private:
  std::deque<Event> posted_;
  bool quit_posted_ = false;
};

}  // namespace vorbexia
