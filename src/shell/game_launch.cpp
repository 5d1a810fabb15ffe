#include "shell/game_launch.h"

#include <cstdio>
#include <string>

#include "world/replay.h"

namespace vorbexia {
namespace {

constexpr int kBadInput = 2;
constexpr int kRecordingLost = 1;
constexpr int kNoGame = 1;

std::optional<int> Refuse(std::ostream& err, const std::string& error) {
  err << "vorbexia: " << error << '\n' << std::flush;
  return kBadInput;
}

bool PlaysDemo(const Launch& launch) {
  return launch.line.demo == DemoUse::kReplay ||
         launch.line.demo == DemoUse::kTimedemo;
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
  const std::string text = "Cannot write the demo '" + launch.path_shown +
                           "': " + recorder.failure() + ". It holds the first " +
                           std::to_string(recorder.frames()) + " frames only.";
  err << "vorbexia: " << text << '\n' << std::flush;
  platform.ShowMessageBox(BoxOwner::kNone, text, "ERROR", MB_ICONEXCLAMATION);
  return kRecordingLost;
}

}  // namespace

std::optional<int> PrepareLaunch(std::span<const std::string_view> args,
                                 uint32_t time_seed, Launch& launch,
                                 std::ostream& out, std::ostream& err) {
  std::string error;
  if (!ParseCommandLine(args, launch.line, error)) {
    return Refuse(err, error + " (see vorbexia --help)");
  }
  if (launch.line.help || launch.line.version) {
    out << (launch.line.help ? UsageText() : VersionText()) << std::flush;
    return 0;
  }
  const CommandLine& line = launch.line;
  GameSession& session = launch.session;
  launch.path_shown = EscapeForMessage(line.demo_path);
  session.seed = line.seed.value_or(time_seed);
  session.fullscreen = line.fullscreen;
  session.hud = line.hud;
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

bool PlaysSound(const Launch& launch) {
  return !launch.line.mute && launch.line.demo != DemoUse::kTimedemo;
}

int RunLaunch(Launch& launch, GameState& state, Platform& platform,
              Renderer& renderer, std::ostream& out, std::ostream& err) {
  const int result = GameMain(state, platform, renderer, launch.session);
  if (launch.recorder && launch.recorder->failed()) {
    return ReportLostRecording(launch, platform, err);
  }
  if (launch.line.demo != DemoUse::kTimedemo) return result;
  if (!launch.session.loop_ran) return kNoGame;
  out << TimedemoLine(launch.session) << '\n'
      << FormatStateLine(launch.session.frames, state) << '\n'
      << std::flush;
  return 0;
}

}  // namespace vorbexia
