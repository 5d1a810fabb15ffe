// A scripted stand-in for the platform layer and the renderer: every call is
// written to one shared log, steps can be made to fail, box answers and
// events are queued by the test, and a hook runs after every buffer swap.
#pragma once

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "shell/platform.h"
#include "render/renderer.h"
#include "world/world.h"

namespace vorbexia {

struct ShownBox {
  BoxOwner owner;
  std::string text;
  std::string caption;
  unsigned type;
};

class ScriptedPlatform : public Platform {
 public:
  std::vector<std::string> log;       // every call, in order
  std::set<std::string> failing;      // names of operations that fail
  std::deque<int> answers;            // answers to boxes; IDNO/IDOK when empty
  std::vector<ShownBox> boxes;        // every box shown
  std::deque<Event> events;           // pending events
  int swaps = 0;
  // Runs after each swap, with the number of swaps so far.
  std::function<void(int swap)> on_swap;
  // Whether a context is current (set by MakeContextCurrent/DetachContext).
  bool context_current = false;
  // What QuitSignal answers; a test sets it, e.g. from on_box.
  int quit_signal = 0;
  // Runs when a box is shown, before it is answered.
  std::function<void(const ShownBox& box)> on_box;

  int ShowMessageBox(BoxOwner owner, const std::string& text,
                     const std::string& caption, unsigned type) override;
  bool RegisterWindowClass() override { return Step("RegisterWindowClass"); }
  bool UnregisterWindowClass() override { return Step("UnregisterWindowClass"); }
  bool ChangeDisplayMode(int width, int height, int bits) override;
  void RestoreDisplayMode() override { log.push_back("RestoreDisplayMode"); }
  void ShowCursor(bool show) override;
  bool CreateWindow(const std::string& title, int width, int height,
                    bool fullscreen) override;
  bool DestroyWindow() override { return Step("DestroyWindow"); }
  void ShowWindow() override { log.push_back("ShowWindow"); }
  bool GetDeviceContext() override { return Step("GetDeviceContext"); }
  bool ReleaseDeviceContext() override { return Step("ReleaseDeviceContext"); }
  bool ChoosePixelFormat(int color_bits) override;
  bool SetPixelFormat() override { return Step("SetPixelFormat"); }
  bool CreateContext() override { return Step("CreateContext"); }
  bool MakeContextCurrent() override;
  bool DetachContext() override;
  bool DeleteContext() override { return Step("DeleteContext"); }
  bool HasCurrentContext() override { return context_current; }
  bool PeekEvent(Event& event) override;
  void PostQuit() override;
  void SwapBuffers() override;
  int QuitSignal() override { return quit_signal; }

  // Queues an event for the loop.
  void Push(EventCode code, uint32_t wparam = 0, uint32_t lparam = 0) {
    events.push_back(Event{code, wparam, lparam});
  }

 private:
  bool Step(const std::string& name);
  bool quit_posted_ = false;
};

// A renderer that logs into the platform's log; DrawScene advances the world
// as the real one does, so robots move and the shot flies.
class ScriptedRenderer : public Renderer {
 public:
  explicit ScriptedRenderer(ScriptedPlatform& platform) : platform_(platform) {}

  bool init_gl_result = true;
  bool build_models_result = true;
  bool draw_result = true;
  int draws = 0;
  // Runs inside each DrawScene after the world has advanced.
  std::function<void(GameState&)> on_draw;

  bool InitGL(GameState& state) override;
  bool BuildModels(GameState& state) override;
  bool DrawScene(GameState& state, Random& random) override;
  void DrawHud(const GameState&) override { platform_.log.push_back("DrawHud"); }
  void SetViewport(int width, int height, double aspect) override;

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
