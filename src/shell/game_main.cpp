#include "shell/game_main.h"

#include "shell/game_window.h"
#include "world/world.h"

namespace vorbexia {
namespace {

constexpr const char* kTitle = "Vorbexia";
constexpr int kWidth = 800;   // pixels
constexpr int kHeight = 600;  // pixels
constexpr int kBits = 16;     // bits per pixel

enum class FrameEnd { kGoOn, kLeave };

// One frame: draw (only while the window is not minimised), the Esc test,
// the victory test, the swap (always), then the keys.
FrameEnd RunFrame(GameWindow& window, GameState& state, Random& random) {
  if (state.window_active && !window.renderer.DrawScene(state, random)) {
    return FrameEnd::kLeave;
  }
  // The frame in which Esc is found is drawn but never shown.
  if (state.keys[kKeyEscape]) return FrameEnd::kLeave;
  const bool victory = AllRobotsDestroyed(state);
  window.platform.SwapBuffers();
  ApplyHeldKeys(state);
  // The winning frame is shown and its keys applied before the loop ends.
  return victory ? FrameEnd::kLeave : FrameEnd::kGoOn;
}

// Drains the event queue and runs a frame whenever it is empty; never waits.
void RunMainLoop(GameWindow& window, GameState& state, Random& random) {
  Event event;
  for (;;) {
    if (window.platform.PeekEvent(event)) {
      if (event.code == EventCode::kQuit) return;
      GameWindowProc(window, state, event);
      continue;
    }
    if (RunFrame(window, state, random) == FrameEnd::kLeave) return;
  }
}

}  // namespace

int GameMain(GameState& state, Platform& platform, Renderer& renderer,
             uint32_t seed) {
  Random random;
  SeedRandom(random, seed);
  SetupRobots(state, random);
  const int answer = platform.ShowMessageBox(
      BoxOwner::kNone, "Wcisnij TAK na FULLSCREEN, NIE na WINDOW-MODE",
      "Wybor trybu", MB_YESNO | MB_ICONQUESTION);
  if (answer == IDNO) state.fullscreen = false;
  // Asked to end while the question was open: no window at all.
  if (platform.QuitRequested()) return 0;

  GameWindow window{platform, renderer};
  if (!CreateGameWindow(window, state, kTitle, kWidth, kHeight, kBits,
                        state.fullscreen)) {
    return 0;
  }
  if (!renderer.BuildModels(state)) {
    // No model may be drawn from an absent list or quadric.
    DestroyGameWindow(window, state);
    platform.ShowMessageBox(BoxOwner::kNone, "Blad w procedurze InitGL.",
                            "ERROR", MB_ICONEXCLAMATION);
    return 0;
  }
  RunMainLoop(window, state, random);

  DestroyGameWindow(window, state);
  // Depends only on the robots now, not on how the loop ended.
  if (AllRobotsDestroyed(state)) {
    platform.ShowMessageBox(BoxOwner::kNone, "GRATULACJE! WYGRALES!", "INFO",
                            MB_OK);
  }
  return 0;
}

}  // namespace vorbexia
