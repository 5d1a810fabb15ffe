#include "shell/game_main.h"

#include <chrono>

#include "shell/game_window.h"
#include "shell/sound_cues.h"
#include "world/replay.h"
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

enum class FrameEnd { kGoOn, kLeave };

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

// One frame: draw (only while the window is not minimised; in a replay, as
// the demo says), the Esc test, the victory test, the swap (always), then
// the keys (in a replay, the demo's), then the frame's sounds.

FrameEnd RunFrame(GameWindow& window, GameState& state, Random& random,
                  GameSession& session, Feedback& feedback) {
  const FrameKeys* played =
      session.replay ? &(*session.replay)[session.frames] : nullptr;
  const bool stepped = played ? !played->inactive : state.window_active;
  ++session.frames;
  state.events = WorldEvents{};
  if (stepped && !window.renderer.DrawScene(state, random)) {
    Record(session, FrameKeys{});  // the world stepped; no key acted
    return FrameEnd::kLeave;
  }
  if (stepped && session.hud) window.renderer.DrawHud(state);
  // The frame in which Esc is found is drawn but never shown. A recording
  // keeps its world step, so that a replay ends in the same state.
  if (state.keys[kKeyEscape]) {
    if (stepped) Record(session, FrameKeys{});
    return FrameEnd::kLeave;
  }
  const bool victory = AllRobotsDestroyed(state);
  window.platform.SwapBuffers();
  if (played) SetFrameKeys(state, *played);
  Record(session, KeysToApply(state, stepped));
  ApplyHeldKeys(state);
  ToggleHud(state, session);
  PlayFrameSounds(state.events, victory, feedback.footsteps, feedback.sound);
  // The winning frame is shown and its keys applied before the loop ends.
  return victory ? FrameEnd::kLeave : FrameEnd::kGoOn;
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
    if (RunFrame(window, state, random, session, feedback) == FrameEnd::kLeave) {
      return;
    }
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
  const int answer = platform.ShowMessageBox(
      BoxOwner::kNone, "Wcisnij TAK na FULLSCREEN, NIE na WINDOW-MODE",
      "Wybor trybu", MB_YESNO | MB_ICONQUESTION);
  return answer != IDNO;
}

// The game used to close its window in the frame of the last hit; the
// window now stays until the victory sound is heard (a second or so).
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
  SetupRobots(state, random);
  if (!AskFullscreen(platform, session)) state.fullscreen = false;
  // Asked to end while the question was open: no window at all.
  if (platform.QuitSignal()) return 0;

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
  TimeMainLoop(window, state, random, session);
  if (AllRobotsDestroyed(state)) LetVictorySoundFinish(session, platform);

  DestroyGameWindow(window, state);
  // Depends only on the robots now, not on how the loop ended.
  if (AllRobotsDestroyed(state) && !session.silent) {
    platform.ShowMessageBox(BoxOwner::kNone, "GRATULACJE! WYGRALES!", "INFO",
                            MB_OK);
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
