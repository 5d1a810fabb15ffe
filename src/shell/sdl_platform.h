// The platform layer on SDL2 and OpenGL.
#pragma once

#include <SDL.h>

#include <deque>

#include "shell/frame_pacer.h"
#include "shell/held_keys.h"
#include "shell/platform.h"
#include "shell/sdl_gamepad.h"

namespace vorbexia {

class SdlPlatform final : public Platform {
 public:
  // paced: hold the swap to 60 frames per second (the game); unpaced swaps
  // serve measurements.
  explicit SdlPlatform(bool paced = true);
  ~SdlPlatform() override;

  int ShowMessageBox(BoxOwner owner, const std::string& text,
                     const std::string& caption, unsigned type) override;

  bool RegisterWindowClass() override;
  bool UnregisterWindowClass() override;

  bool ChangeDisplayMode(int width, int height, int bits) override;
  void RestoreDisplayMode() override;
  void ShowCursor(bool show) override;

  bool CreateWindow(const std::string& title, int width, int height,
                    bool fullscreen) override;
  bool DestroyWindow() override;
  void ShowWindow() override;

  bool GetDeviceContext() override;
  bool ReleaseDeviceContext() override;
  bool ChoosePixelFormat(int color_bits) override;
  bool SetPixelFormat() override;

  bool CreateContext() override;
  bool MakeContextCurrent() override;
  bool DetachContext() override;
  bool DeleteContext() override;
  bool HasCurrentContext() override;

  bool PeekEvent(Event& event) override;
  void PostQuit() override;
  int QuitSignal() override;

  void SwapBuffers() override;

  SDL_Window* window() const { return window_; }

  // From now on no box is shown: its caption and text go to standard error
  // and it gets its refusal, as where there is no display.
  void SendBoxesToStderr() { boxes_ = false; }

 private:
  bool TranslateEvent(const SDL_Event& sdl_event, Event& event);
  bool TakePending(Event& event);
  Event ActivateEvent() const;
  void ChoosePacing();
  SDL_Window* FocusWindow() const;
  void WaitForFrameDeadline();

  bool paced_;
  bool boxes_ = true;
  bool video_ = false;
  bool quit_posted_ = false;
  SDL_Window* window_ = nullptr;
  SDL_GLContext context_ = nullptr;
  FramePacer pacer_;
  HeldKeys held_keys_;
  SdlGamepads gamepads_;
  std::deque<Event> pending_;  // made here, taken before SDL's own events
};

}  // namespace vorbexia
