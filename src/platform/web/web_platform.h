// The platform layer in a web browser: the page's canvas, WebGL, the page's
// own dialogs for the boxes, and the browser's animation frames.
//
// The game's loop stays the shared C++ loop: it hands control back to the
// browser whenever it waits (a box's answer, full screen, the next animation
// frame) and takes it up again where it stopped (Emscripten's Asyncify).
// Of the build steps the browser has only three: the canvas stands for the
// window, a WebGL context for the rendering context, and making it current.
// The renderer's OpenGL 1.1 calls go to the fixed-function layer
// (src/fixedgl), whose context lives with the WebGL one.
#pragma once

#include <emscripten/html5.h>

#include <memory>

#include "fixedgl/context.h"
#include "platform/common/frame_pacer.h"
#include "platform/web/web_gamepads.h"
#include "shell/platform.h"

namespace vorbexia {

class WebPlatform final : public Platform {
 public:
  // paced: 60 frames per second at the browser's animation frames (the
  // game); unpaced, each frame only lets the browser run before the next
  // (a timedemo's measurement).
  explicit WebPlatform(bool paced = true) : paced_(paced) {}
  ~WebPlatform() override;

  WebPlatform(const WebPlatform&) = delete;
  WebPlatform& operator=(const WebPlatform&) = delete;

  BoxAnswer ShowBox(const Box& box) override;

  bool HasStep(WindowStep step) const override;
  bool Build(WindowStep step, const WindowRequest& request) override;
  bool Release(WindowStep step) override;
  void ShowWindow() override;
  bool HasCurrentContext() override;

  bool EnterFullscreen(int width, int height, int bits) override;
  void LeaveFullscreen() override;
  // The game's stage over the whole screen, the 800 x 600 picture scaled by
  // the page with its shape kept; the drawing buffer stays 800 x 600, so no
  // size event follows.
  bool SetDesktopFullscreen(bool on) override;
  // The browser's pointer lock on the canvas, which it grants only at a
  // gesture of the player's: the page asks for it at once and again at the
  // next click or key press on the canvas, for as long as capture is wanted.
  void CaptureMouse(bool on) override;

  // SIGTERM once the page has asked the game to end (to start it anew with
  // other pictures); 0 before.
  int QuitSignal() override;

  // False for each frame due at an animation frame but the last: the
  // browser shows only the last.
  bool FrameShown() override { return frames_owed_ == 0; }
  void SwapBuffers() override;

  // From now on no box is shown: its caption and text go to the console
  // and it gets its refusal (a timedemo runs unattended).
  void SendBoxesToStderr() { boxes_ = false; }

 protected:
  // The browser's events are posted as its callbacks come; here what the
  // page does not report itself (full screen left by the browser) and the
  // touches its controls queued.
  void PumpEvents() override;

 private:
  static EM_BOOL OnKey(int type, const EmscriptenKeyboardEvent* key, void* self);
  static EM_BOOL OnFocus(int type, const EmscriptenFocusEvent* focus, void* self);
  static EM_BOOL OnVisibility(int type, const EmscriptenVisibilityChangeEvent* change,
                              void* self);
  static EM_BOOL OnMouseMove(int type, const EmscriptenMouseEvent* mouse, void* self);
  static EM_BOOL OnMouseDown(int type, const EmscriptenMouseEvent* mouse, void* self);
  static EM_BOOL OnPointerLock(int type, const EmscriptenPointerlockChangeEvent* change,
                               void* self);

  bool CreateCanvas(const WindowRequest& request);
  bool RemoveCanvas();
  bool CreateContext();
  bool MakeCurrent();
  bool DetachContext();
  bool DeleteContext();
  void Listen(bool on);
  void SamplePads();
  void NoticeFullscreenLeft();
  void WaitForFramesDue();

  bool paced_;
  bool boxes_ = true;
  bool canvas_ = false;
  bool hidden_ = false;  // the page is not shown (another tab, minimised)
  bool focused_ = false;  // the canvas has the keyboard focus
  bool capture_ = false;  // the game wants the mouse's motion
  bool desktop_ = false;  // the page is full screen at Alt+Enter
  bool locked_ = false;   // the browser holds the pointer on the canvas
  bool lock_fresh_ = false;  // no motion seen since the lock came
  EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context_ = 0;
  std::unique_ptr<fixedgl::Context> gl_;  // the OpenGL 1.1 state on context_
  int width_ = 0, height_ = 0;  // the canvas's drawing buffer, pixels
  FramePacer pacer_;
  int frames_owed_ = 0;  // frames due at the last animation frame, not yet run
  WebGamepads gamepads_;
};

}  // namespace vorbexia
