#include "shell/game_main.h"

#include <chrono>

#include "demo/replay.h"
#include "shell/game_window.h"
#include "shell/sound_cues.h"
#include "world/world.h"

namespace vorbexia {
namespace {

constexpr const char* kTitle = "Vorbexia";
constexpr int kWidth = 800;   // pixels
constexpr int kHeight = 600;  // pixels
constexpr int kBits = 16;     // bits per pixel

// The longest wait for the victory sound before the window closes: 200
// waits of 10 milliseconds.
constexpr int kVictoryWaits = 200;
constexpr int kVictoryWaitMs = 10;

// What the player hears, and how far the current walk has got.
struct Feedback {
  SoundOutput& sound;
  FootstepClock footsteps;
};

void Record(GameSession& session, const FrameKeys& keys) {
  if (session.recorder) session.recorder->RecordFrame(keys);
}

// Tab shows or hides the HUD, once per key-down event as Space fires.
void ToggleHud(GameState& state, GameSession& session) {
  if (!state.keys[kKeyTab]) return;
  session.hud = !session.hud;
  state.keys[kKeyTab] = 0;
}

// The frame on the window: the scene and the HUD, then the swap.
class WindowView final : public FrameView {
 public:
  WindowView(GameWindow& window, bool hud) : window_(window), hud_(hud) {}
  void Draw(const GameState& state) override {
    window_.renderer.DrawScene(state);
    if (hud_) window_.renderer.DrawHud(state);
  }
  void Show() override { window_.platform.SwapBuffers(); }

 private:
  GameWindow& window_;
  bool hud_;
};

// One frame of the game on the window, with the keyboard's keys or, in a
// replay, the demo's (Esc still quits); then what it recorded and sounded.
FrameEnd PlayFrame(GameWindow& window, GameState& state, Random& random,
                   GameSession& session, Feedback& feedback) {
  const FrameKeys keys = session.replay ? (*session.replay)[session.frames]
                                        : KeysToApply(state, window.active);
  ++session.frames;
  WindowView view(window, session.hud);
  const FrameEnd end = RunFrame(state, random, keys, view);
  if (end == FrameEnd::kEscape) {
    // A recording keeps the Esc frame's world step, so that a replay ends
    // in the same state.
    if (!keys.inactive) Record(session, FrameKeys{});
    return end;
  }
  Record(session, keys);
  ToggleHud(state, session);
  PlayFrameSounds(state.events, end == FrameEnd::kVictory, feedback.footsteps,
                  feedback.sound);
  return end;
}

bool DemoOver(const GameSession& session) {
  return session.replay && session.frames >= session.replay->size();
}

// Drains the event queue and runs a frame whenever it is empty; never waits.
void RunMainLoop(GameWindow& window, GameState& state, Random& random,
                 GameSession& session) {
  SilentSound silent;
  Feedback feedback{session.sound ? *session.sound : silent, FootstepClock{}};
  Event event;
  for (;;) {
    if (window.platform.PeekEvent(event)) {
      if (event.code == EventCode::kQuit) return;
      GameWindowProc(window, state, event);
      continue;
    }
    if (DemoOver(session)) return;
    if (PlayFrame(window, state, random, session, feedback) != FrameEnd::kGoOn) return;
  }
}

void TimeMainLoop(GameWindow& window, GameState& state, Random& random,
                  GameSession& session) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  RunMainLoop(window, state, random, session);
  session.loop_ran = true;
  session.loop_seconds =
      std::chrono::duration<double>(Clock::now() - start).count();
}

bool AskFullscreen(Platform& platform, const GameSession& session) {
  if (session.fullscreen) return *session.fullscreen;
  if (session.silent) return false;
  return ShowGameBox(platform, "Wcisnij TAK na FULLSCREEN, NIE na WINDOW-MODE",
                     "Wybor trybu", BoxIcon::kQuestion,
                     BoxButtons::kYesNo) != BoxAnswer::kNo;
}

// The window stays until the victory sound is heard (a second or so).
void LetVictorySoundFinish(const GameSession& session, Platform& platform) {
  if (!session.sound) return;
  for (int wait = 0; wait < kVictoryWaits; ++wait) {
    if (!session.sound->Playing() || platform.QuitSignal()) return;
    session.sound->Wait(kVictoryWaitMs);
  }
}

}  // namespace

int GameMain(GameState& state, Platform& platform, Renderer& renderer,
             GameSession& session) {
  Random random;
  SeedRandom(random, session.seed);
  SetupLevel(state);
  SetupRobots(state, random);
  const WindowRequest request{kTitle, kWidth, kHeight, kBits, AskFullscreen(platform, session)};
  // Asked to end while the question was open: no window at all.
  if (platform.QuitSignal()) return 0;

  GameWindow window{platform, renderer};
  if (!CreateGameWindow(window, request)) return 0;
  if (!renderer.BuildModels()) {
    // No model may be drawn from an absent list or quadric.
    DestroyGameWindow(window);
    ShowGameBox(platform, "Blad w procedurze InitGL.", "ERROR", BoxIcon::kWarning);
    return 0;
  }
  TimeMainLoop(window, state, random, session);
  if (AllRobotsDestroyed(state)) LetVictorySoundFinish(session, platform);

  DestroyGameWindow(window);
  // Depends only on the robots now, not on how the loop ended.
  if (AllRobotsDestroyed(state) && !session.silent) {
    ShowGameBox(platform, "GRATULACJE! WYGRALES!", "INFO", BoxIcon::kNone);
  }
  return 0;
}

int GameMain(GameState& state, Platform& platform, Renderer& renderer,
             uint32_t seed) {
  GameSession session;
  session.seed = seed;
  return GameMain(state, platform, renderer, session);
}

}  // namespace vorbexia
