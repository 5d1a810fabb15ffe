// A scripted stand-in for the platform layer and the renderer: every call is
// written to one shared log, steps can be made to fail or be missing, box
// answers and events are queued by the test, and a hook runs after every
// buffer swap.
#pragma once

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "render/renderer.h"
#include "shell/platform.h"
#include "world/world.h"

namespace vorbexia {

class ScriptedPlatform : public Platform {
 public:
  std::vector<std::string> log;         // every call, in order
  std::set<std::string> failing;        // names of steps that fail
  std::set<WindowStep> missing;         // steps this window system lacks
  std::deque<BoxAnswer> answers;        // answers to boxes; No/OK when empty
  std::vector<Box> boxes;               // every box shown
  std::deque<Event> events;             // pending events, posted when asked for
  int swaps = 0;
  // Runs after each swap, with the number of swaps so far.
  std::function<void(int swap)> on_swap;
  // Whether a context is current (set by MakeCurrent and its release).
  bool context_current = false;
  // What QuitSignal answers; a test sets it, e.g. from on_box.
  int quit_signal = 0;
  // What FrameShown answers; a test sets it, e.g. from on_swap.
  bool frame_shown = true;
  // Runs when a box is shown, before it is answered.
  std::function<void(const Box& box)> on_box;

  BoxAnswer ShowBox(const Box& box) override;
  bool HasStep(WindowStep step) const override { return missing.count(step) == 0; }
  bool Build(WindowStep step, const WindowRequest& request) override;
  bool Release(WindowStep step) override;
  void ShowWindow() override { log.push_back("ShowWindow"); }
  bool HasCurrentContext() override { return context_current; }
  bool EnterFullscreen(int width, int height, int bits) override;
  void LeaveFullscreen() override { log.push_back("LeaveFullscreen"); }
  bool SetDesktopFullscreen(bool on) override {
    log.push_back(on ? "DesktopFullscreen on" : "DesktopFullscreen off");
    return true;
  }
  void CaptureMouse(bool on) override {
    log.push_back(on ? "CaptureMouse on" : "CaptureMouse off");
  }
  void SwapBuffers() override;
  int QuitSignal() override { return quit_signal; }
  bool FrameShown() override { return frame_shown; }

  // Queues an event for the loop.
  void Push(EventCode code, uint32_t key = 0) { events.push_back(Event{code, key}); }
  void PushSize(int width, int height) {
    events.push_back(Event{EventCode::kSize, 0, width, height});
  }
  void PushActivate(bool minimised) {
    events.push_back(Event{EventCode::kActivate, 0, 0, 0, minimised});
  }

 protected:
  void PumpEvents() override;

 private:
  bool Step(const std::string& name);
};

// A renderer that logs into the platform's log.
class ScriptedRenderer : public Renderer {
 public:
  explicit ScriptedRenderer(ScriptedPlatform& platform) : platform_(platform) {}

  bool init_gl_result = true;
  bool build_models_result = true;
  int draws = 0;
  // Runs inside each DrawScene.
  std::function<void()> on_draw;

  bool InitGL() override;
  bool BuildModels() override;
  // What the last frames were drawn with.
  RobotFlashes flashes{};
  HudText hud;

  using Renderer::DrawScene;
  void DrawScene(const GameState& state, const RobotFlashes& flashes) override;
  void DrawHud(const GameState&, const HudText& text) override {
    platform_.log.push_back("DrawHud");
    hud = text;
  }
  void DrawOverlay(const std::vector<std::string>& lines) override {
    platform_.log.push_back("Overlay " + (lines.empty() ? std::string() : lines[0]));
  }
  void DrawNote(const std::string& line) override { platform_.log.push_back("Note " + line); }
  void SetViewport(int width, int height, double aspect, int x = 0,
                   int y = 0) override;

  struct Viewport {
    int width;
    int height;
    double aspect;
  };
  std::vector<Viewport> viewports;

 private:
  ScriptedPlatform& platform_;
};

}  // namespace vorbexia
