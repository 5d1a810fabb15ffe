#include "shell/game_launch.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "demo/replay.h"
#include "files/message_text.h"
#include "files/utf8_path.h"
#include "shell/game_window.h"

namespace vorbexia {
namespace {

constexpr int kBadInput = 2;
constexpr int kRecordingLost = 1;
constexpr int kNoGame = 1;
constexpr int kFiguresLost = 1;
constexpr int kTextLost = 1;
// A run ended by a signal exits as the shell reports one: 128 + its number.
constexpr int kSignalledBase = 128;

std::optional<int> Refuse(std::ostream& err, const std::string& error) {
  err << "vorbexia: " << error << '\n' << std::flush;
  return kBadInput;
}

bool PlaysDemo(const Launch& launch) {
  return launch.line.demo == DemoUse::kReplay ||
         launch.line.demo == DemoUse::kTimedemo;
}

// Whether the two names are one file, or would be once the first is made:
// through links, "./" and "..".
bool SameFile(const std::string& first, const std::string& second) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (fs::equivalent(PathFromUtf8(first), PathFromUtf8(second), error)) return true;
  const fs::path one = fs::weakly_canonical(PathFromUtf8(first), error);
  if (error) return false;
  const fs::path other = fs::weakly_canonical(PathFromUtf8(second), error);
  return !error && one == other;
}

std::string TimedemoLine(const GameSession& session) {
  const double fps = session.loop_seconds > 0
                         ? static_cast<double>(session.frames) / session.loop_seconds
                         : 0.0;
  char text[128];
  std::snprintf(text, sizeof text, "timedemo: %llu frames, %.3f seconds, %.1f fps",
                static_cast<unsigned long long>(session.frames),
                session.loop_seconds, fps);
  return text;
}

int ReportLostRecording(const Launch& launch, Platform& platform,
                        std::ostream& err) {
  const DemoRecorder& recorder = *launch.recorder;
  const std::string frames = std::to_string(recorder.frames());
  const std::string text =
      recorder.kept_in().empty()
          ? "Cannot write the demo '" + launch.path_shown + "': " + recorder.failure() +
                ". It holds the first " + frames + " frames only."
          : "Cannot replace the demo '" + launch.path_shown + "': " + recorder.failure() +
                ". The recording of " + frames + " frames is in '" +
                EscapeForMessage(recorder.kept_in()) + "'.";
  err << "vorbexia: " << text << '\n' << std::flush;
  ShowGameBox(platform, text, "ERROR", BoxIcon::kWarning);
  return kRecordingLost;
}

// The figures of a timedemo that played to its end; one line on `err`
// where it did not, or where they cannot be written.
int ReportTimedemo(const Launch& launch, const GameState& state, int signal,
                   std::ostream& out, std::ostream& err) {
  const GameSession& session = launch.session;
  if (!session.loop_ran) {
    err << "vorbexia: the timedemo did not run: the game window did not come up\n" << std::flush;
    return kNoGame;
  }
  if (signal) {
    err << "vorbexia: the timedemo was interrupted after " << session.frames
        << " frames\n" << std::flush;
    return kSignalledBase + signal;
  }
  out << TimedemoLine(session) << '\n' << FormatStateLine(session.frames, state) << '\n'
      << std::flush;
  if (!out) {
    err << "vorbexia: cannot write the timedemo's figures: " << std::strerror(errno) << '\n'
        << std::flush;
    return kFiguresLost;
  }
  return 0;
}

// Every frame drawn passes through here to the renderer, which is where a
// timedemo's progress is told: the loop has no hook of its own.
class ProgressRenderer final : public Renderer {
 public:
  ProgressRenderer(Renderer& inner, const GameSession& session, TimedemoProgress& progress)
      : inner_(inner), session_(session), progress_(progress) {}
  bool InitGL() override { return inner_.InitGL(); }
  bool BuildModels() override { return inner_.BuildModels(); }
  void DrawScene(const GameState& state, const RobotFlashes& flashes) override {
    inner_.DrawScene(state, flashes);
    progress_.Frame(session_.frames);
  }
  void DrawHud(const GameState& state, const HudText& text) override {
    inner_.DrawHud(state, text);
  }
  void DrawOverlay(const std::vector<std::string>& lines) override { inner_.DrawOverlay(lines); }
  void DrawNote(const std::string& line) override { inner_.DrawNote(line); }
  void SetViewport(int width, int height, double aspect, int x, int y) override {
    inner_.SetViewport(width, height, aspect, x, y);
  }
  bool ReadFrame(RgbImage& image) override { return inner_.ReadFrame(image); }

 private:
  Renderer& inner_;
  const GameSession& session_;
  TimedemoProgress& progress_;
};

double SteadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

TimedemoProgress::TimedemoProgress(std::ostream& err, uint64_t total, Clock clock)
    : err_(err), total_(total), clock_(std::move(clock)) {}

void TimedemoProgress::Frame(uint64_t frame) {
  const double now = clock_();
  if (told_at_ && now - *told_at_ < 1.0) return;
  told_at_ = now;
  err_ << "\rvorbexia: timedemo frame " << frame << " of " << total_ << std::flush;
}

void TimedemoProgress::Finish() {
  if (told_at_) err_ << '\n' << std::flush;
  told_at_.reset();
}

std::optional<int> PrepareLaunch(std::span<const std::string_view> args,
                                 uint32_t time_seed, const UserFolders& folders,
                                 Launch& launch, std::ostream& out, std::ostream& err) {
  std::string error;
  if (!ParseCommandLine(args, launch.line, error)) {
    return Refuse(err, error + " (see vorbexia --help)");
  }
  if (launch.line.help || launch.line.version) {
    errno = 0;
    out << (launch.line.help ? UsageText(folders.settings_file) : VersionText()) << std::flush;
    if (!out) {
      err << "vorbexia: cannot write the " << (launch.line.help ? "usage" : "version") << ": "
          << (errno ? std::strerror(errno) : "the output failed") << '\n' << std::flush;
      return kTextLost;
    }
    return 0;
  }
  const CommandLine& line = launch.line;
  GameSession& session = launch.session;
  const std::string settings_file = line.config.value_or(folders.settings_file);
  if (line.demo == DemoUse::kRecord && !settings_file.empty() &&
      SameFile(line.demo_path, settings_file)) {
    return Refuse(err, "cannot record to '" + EscapeForMessage(line.demo_path) +
                           "': it is the settings file; record to another file");
  }
  std::vector<std::string> warnings;
  if (!LoadSettings(settings_file, line.config.has_value(),
                    session.settings, warnings, error)) {
    return Refuse(err, error);
  }
  for (const std::string& warning : warnings) err << "vorbexia: " << warning << '\n';
  err << std::flush;
  if (!settings_file.empty()) {
    session.save_settings = [settings_file](const Settings& changed, std::string& why) {
      return SaveSettings(settings_file, changed, why);
    };
  }
  const Settings& settings = session.settings;
  launch.path_shown = EscapeForMessage(line.demo_path);
  session.seed = line.seed.value_or(time_seed);
  session.fullscreen = line.fullscreen;
  // The settings' start answers the mode question, which a timedemo never
  // asks: it plays in a window unless --fullscreen says otherwise.
  if (!session.fullscreen && settings.start != StartMode::kAsk &&
      line.demo != DemoUse::kTimedemo) {
    session.fullscreen = settings.start == StartMode::kFullscreen;
    session.desktop = settings.start == StartMode::kDesktop;
  }
  session.hud = line.hud || settings.hud;
  session.pictures = folders.pictures;
  session.data = folders.data;
  session.notes = &err;
  if (PlaysDemo(launch)) {
    if (!ReadDemoFile(line.demo_path, launch.demo, error)) return Refuse(err, error);
    session.seed = launch.demo.seed;
    session.replay = &launch.demo.frames;
    session.silent = line.demo == DemoUse::kTimedemo;
  }
  if (line.demo == DemoUse::kRecord) {
    launch.recorder = DemoRecorder::Create(line.demo_path, session.seed, error);
    if (!launch.recorder) return Refuse(err, error);
    session.recorder = launch.recorder.get();
  }
  return std::nullopt;
}

bool RunsPaced(const Launch& launch) {
  return launch.line.demo != DemoUse::kTimedemo;
}

int SoundVolume(const Launch& launch) {
  return launch.line.volume.value_or(launch.session.settings.volume);
}

bool PlaysSound(const Launch& launch) {
  return !launch.line.mute && launch.line.demo != DemoUse::kTimedemo;
}

int RunLaunch(Launch& launch, GameState& state, Platform& platform,
              Renderer& renderer, std::ostream& out, std::ostream& err,
              TimedemoProgress* progress) {
  const int result = GameMain(state, platform, renderer, launch.session);
  if (progress) progress->Finish();
  if (DemoRecorder* recorder = launch.recorder.get()) {
    if (!launch.session.loop_ran) {
      recorder->Discard();  // no game: an older demo stays as it was
    } else if (!recorder->Finish()) {
      return ReportLostRecording(launch, platform, err);
    }
  }
  if (launch.line.demo != DemoUse::kTimedemo) return result;
  return ReportTimedemo(launch, state, platform.QuitSignal(), out, err);
}

int RunGame(std::span<const std::string_view> args, const PlatformKit& kit) {
  Launch launch;
  if (const auto code = PrepareLaunch(args, kit.time_seed, kit.folders, launch,
                                      kit.out, kit.err)) {
    if (kit.ended_before_game) kit.ended_before_game();
    return *code;
  }
  const std::unique_ptr<Platform> platform =
      kit.make_platform(RunsPaced(launch), launch.session.silent);
  const std::unique_ptr<Renderer> renderer = kit.make_renderer(
      [&platform](const char* text) { ShowReaderBox(*platform, text); });
  // Opened after the platform, so that the sound closes first (on Linux,
  // before SDL ends).
  std::unique_ptr<SoundOutput> sound;
  if (PlaysSound(launch)) sound = kit.open_sound(SoundVolume(launch));
  launch.session.sound = sound.get();
  GameState state;
  // Only on a terminal: a file or a pipe gets the figures and the state
  // line alone, as before.
  std::optional<TimedemoProgress> progress;
  std::optional<ProgressRenderer> told;
  if (launch.line.demo == DemoUse::kTimedemo && kit.err_is_terminal) {
    progress.emplace(kit.err, launch.demo.frames.size(), SteadySeconds);
    told.emplace(*renderer, launch.session, *progress);
  }
  Renderer& drawing = told ? static_cast<Renderer&>(*told) : *renderer;
  const int result = RunLaunch(launch, state, *platform, drawing, kit.out, kit.err,
                               progress ? &*progress : nullptr);
  if (kit.game_ended) kit.game_ended();
  return result;
}

}  // namespace vorbexia
