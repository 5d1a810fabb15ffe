// The platform layer on SDL2 and OpenGL.
//
// SDL makes a window's drawable and sets its pixel format together with the
// window, so of the build steps this layer has no kGetDrawable and no
// kSetPixelFormat.
#pragma once

#include <SDL.h>

#include "platform/common/frame_pacer.h"
#include "platform/sdl/sdl_gamepad.h"
#include "shell/platform.h"

namespace vorbexia {

class SdlPlatform final : public Platform {
 public:
  // paced: hold the swap to 60 frames per second (the game); unpaced swaps
  // serve measurements.
  explicit SdlPlatform(bool paced = true);
  ~SdlPlatform() override;

  BoxAnswer ShowBox(const Box& box) override;

  bool HasStep(WindowStep step) const override;
  bool Build(WindowStep step, const WindowRequest& request) override;
  bool Release(WindowStep step) override;
  void ShowWindow() override;
  bool HasCurrentContext() override;

  bool EnterFullscreen(int width, int height, int bits) override;
  void LeaveFullscreen() override;
  bool SetDesktopFullscreen(bool on) override;
  void CaptureMouse(bool on) override;

  int QuitSignal() override;

  void SwapBuffers() override;

  SDL_Window* window() const { return window_; }

 protected:
  void PumpEvents() override;

 public:
  // From now on no box is shown: its caption and text go to standard error
  // and it gets its refusal, as where there is no display.
  void SendBoxesToStderr() { boxes_ = false; }

 private:
  // The build steps and their releases.
  bool OpenDisplay();
  bool CloseDisplay();
  bool MakeGameWindow(const WindowRequest& request);
  bool DestroyGameWindow();
  bool ChoosePixelFormat(int color_bits) const;
  bool CreateContext();
  bool MakeCurrent();
  bool DetachContext();
  bool DeleteContext();

  bool SwitchDisplayMode(int width, int height, int bits);
  bool TranslateEvent(const SDL_Event& sdl_event, Event& event);
  bool TranslateWindowEvent(const SDL_WindowEvent& window_event, Event& event);
  Event ActivateEvent() const;
  Event SizeEvent() const;
  void ChoosePacing();
  SDL_Window* FocusWindow() const;
  void WaitForFrameDeadline();

  bool paced_;
  bool boxes_ = true;
  bool video_ = false;
  SDL_Window* window_ = nullptr;
  SDL_GLContext context_ = nullptr;
  FramePacer pacer_;
  SdlGamepads gamepads_;
};

}  // namespace vorbexia
