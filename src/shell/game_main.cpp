#include "shell/game_main.h"

#include <chrono>
#include <ctime>
#include <string>
#include <vector>

#include "demo/replay.h"
#include "files/message_text.h"
#include "shell/best_time.h"
#include "shell/game_window.h"
#include "shell/play_controls.h"
#include "shell/screenshot.h"
#include "shell/sound_cues.h"
#include "world/world.h"

namespace vorbexia {
namespace {

constexpr const char* kTitle = "Vorbexia";
constexpr int kWidth = 800;   // pixels
constexpr int kHeight = 600;  // pixels
constexpr int kBits = 16;     // bits per pixel

// Frames shown that a screenshot's name stays on the screen: 2 seconds.
constexpr int kNoteFrames = 120;

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

// A path's last name, after its last slash (or backslash).
std::string FileNameOf(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The picture just drawn, into the pictures folder; its name, or why not,
// on the notes stream and, when saved, on the screen for a while. A
// failure is also the player's box.
void TakeScreenshot(GameWindow& window, const GameSession& session, PlayState& play) {
  RgbImage image;
  std::string path, error = "the picture cannot be read back";
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  if (window.renderer.ReadFrame(image) &&
      SaveScreenshot(session.pictures, image, session.settings.screenshot_format, local, path,
                     error)) {
    if (session.notes) {
      *session.notes << "vorbexia: screenshot " << EscapeForMessage(path) << '\n' << std::flush;
    }
    play.note = std::string(TextsIn(window.language).screenshot_saved)
                    .append(": ")
                    .append(FileNameOf(path));
    play.note_frames = kNoteFrames;
    return;
  }
  if (session.notes) *session.notes << "vorbexia: no screenshot: " << error << '\n' << std::flush;
  ShowGameBox(window.platform,
              std::string(TextsIn(window.language).screenshot_failed).append("\n").append(error),
              "ERROR", BoxIcon::kWarning);
}

// The frame on the window: the scene, the HUD and what is shown over them,
// then the swap; a screenshot wanted is taken just before the swap. A
// frame after a world step (`stepped`) moves the robots' hit flashes on.
class WindowView final : public FrameView {
 public:
  WindowView(GameWindow& window, GameSession& session, PlayState& play, bool stepped)
      : window_(window), session_(session), play_(play), stepped_(stepped) {}
  void Draw(const GameState& state) override {
    if (stepped_) FollowHits(play_.flash, state);
    // A picture the next one replaces unseen would cost its drawing for
    // nothing.
    if (!window_.platform.FrameShown()) return;
    window_.renderer.DrawScene(state, Flashing(play_.flash));
    if (session_.hud) {
      window_.renderer.DrawHud(
          state, HudText{TextsIn(window_.language).robots_left, ClockTime(session_.frames)});
    }
    const std::vector<std::string> lines = OverlayLines(session_, play_);
    if (!lines.empty()) window_.renderer.DrawOverlay(lines);
    // A screenshot shows the game, not the name of the one before it.
    if (play_.note_frames > 0 && !play_.screenshot) window_.renderer.DrawNote(play_.note);
    drawn_ = true;
  }
  void Show() override {
    if (play_.note_frames > 0) --play_.note_frames;
    if (play_.screenshot && drawn_) {
      play_.screenshot = false;
      TakeScreenshot(window_, session_, play_);
    }
    window_.platform.SwapBuffers();
  }

 private:
  GameWindow& window_;
  GameSession& session_;
  PlayState& play_;
  bool stepped_;
  bool drawn_ = false;
};

// One frame of the game on the window, with the player's command or, in a
// replay, the demo's keys (Esc still quits); then what it recorded and
// sounded.
FrameEnd PlayFrame(GameWindow& window, GameState& state, Random& random,
                   GameSession& session, PlayState& play, Feedback& feedback) {
  FrameCommand command =
      TakeFrameCommand(play.input, session.settings.bindings, window.active);
  if (session.replay) command.keys = (*session.replay)[session.frames];
  const FrameKeys& keys = command.keys;
  ++session.frames;
  WindowView view(window, session, play, true);
  const FrameEnd end = RunFrame(state, random, keys, view, command.quit);
  if (end == FrameEnd::kEscape) {
    // A recording keeps the Esc frame's world step, so that a replay ends
    // in the same state.
    if (!keys.inactive) Record(session, FrameKeys{});
    return end;
  }
  Record(session, keys);
  PlayFrameSounds(state.events, end == FrameEnd::kVictory, feedback.footsteps,
                  feedback.sound);
  return end;
}

// While paused the world stands still and runs no frame (a demo records
// none); the picture stays, with the pause or the help over it.
void ShowPausedFrame(GameWindow& window, const GameState& state, GameSession& session,
                     PlayState& play) {
  WindowView view(window, session, play, false);
  if (window.active) view.Draw(state);
  view.Show();
}

bool DemoOver(const GameSession& session) {
  return session.replay && session.frames >= session.replay->size();
}

// Drains the event queue and runs a frame whenever it is empty; never waits.
void RunMainLoop(GameWindow& window, GameState& state, Random& random,
                 GameSession& session) {
  SilentSound silent;
  Feedback feedback{session.sound ? *session.sound : silent, FootstepClock{}};
  PlayState play;
  play.input.mouse.sensitivity = session.settings.mouse_sensitivity;
  UpdateCapture(window, session, play);
  Event event;
  for (;;) {
    if (window.platform.NextEvent(event)) {
      if (event.code == EventCode::kQuit) break;
      FollowEvent(window, session, play, event);
      continue;
    }
    if (Paused(play)) {
      ShowPausedFrame(window, state, session, play);
      continue;
    }
    if (DemoOver(session)) break;
    if (PlayFrame(window, state, random, session, play, feedback) != FrameEnd::kGoOn) break;
  }
  if (play.input.turning) window.platform.CaptureMouse(false);
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
  const Texts& texts = TextsIn(session.settings.language);
  return AskGameBox(platform, texts, texts.mode_question, texts.mode_caption,
                    BoxIcon::kQuestion) != BoxAnswer::kNo;
}

// A game won by the player (not a demo's): its time, and the best so far.
void TellTheTime(const GameSession& session) {
  if (session.replay || !session.notes) return;
  std::ostream& notes = *session.notes;
  notes << "vorbexia: all robots down in " << PlayTime(session.frames);
  uint64_t best = session.frames;
  std::string error;
  const bool kept = session.data.empty() || KeepBestTime(session.data, session.frames, best, error);
  if (best == session.frames) {
    notes << " (the best time)";
  } else {
    notes << " (the best: " << PlayTime(best) << ")";
  }
  notes << '\n';
  if (!kept) notes << "vorbexia: the best time was not kept: " << error << '\n';
  notes << std::flush;
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
  window.language = session.settings.language;
  if (!CreateGameWindow(window, request)) return 0;
  if (!renderer.BuildModels()) {
    // No model may be drawn from an absent list or quadric.
    DestroyGameWindow(window);
    ShowGameBox(platform, TextsIn(window.language).init_gl_failed, "ERROR", BoxIcon::kWarning);
    return 0;
  }
  if (session.desktop && !window.fullscreen) ToggleDesktopFullscreen(window);
  TimeMainLoop(window, state, random, session);
  if (AllRobotsDestroyed(state)) {
    TellTheTime(session);
    LetVictorySoundFinish(session, platform);
  }

  DestroyGameWindow(window);
  // Depends only on the robots now, not on how the loop ended.
  if (AllRobotsDestroyed(state) && !session.silent) {
    ShowGameBox(platform, TextsIn(session.settings.language).victory, "INFO", BoxIcon::kNone);
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
