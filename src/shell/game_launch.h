// From the command line to the game and back: what the entry routine does
// before and after the platform exists, the same on every platform.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string_view>

#include "demo/demo_file.h"
#include "demo/demo_recorder.h"
#include "image/dib_reader.h"
#include "shell/command_line.h"
#include "shell/game_main.h"
#include "shell/user_folders.h"

namespace vorbexia {

struct Launch {
  CommandLine line;
  Demo demo;  // the demo played back
  std::unique_ptr<DemoRecorder> recorder;
  GameSession session;
  std::string path_shown;  // the demo's file name, fit for a message
};

// Reads the command line, the settings file and the demo played back, and
// creates the recording, before any box or window. Returns the exit code
// where the program ends here: 0 after --help or --version (text on `out`;
// 1 with a line on `err` when it cannot be written), 2 after one line on
// `err` for a bad argument, a settings file named by --config that cannot
// be read, a bad demo, a recording onto the settings file or one that cannot
// be created (its FILE.part already there, a pipe with no reader). The
// settings file's warnings go to `err`, one line each. The settings' `start`
// is not taken for a timedemo, which asks no question.
std::optional<int> PrepareLaunch(std::span<const std::string_view> args,
                                 uint32_t time_seed, const UserFolders& folders,
                                 Launch& launch, std::ostream& out, std::ostream& err);

// The sound's volume in percent: --volume, else the settings file's.
int SoundVolume(const Launch& launch);

// A timedemo runs unpaced; everything else at the game's 60 frames per
// second.
bool RunsPaced(const Launch& launch);

// Sound plays unless --mute, and never in a timedemo, which runs unattended.
bool PlaysSound(const Launch& launch);

// A timedemo's progress for a terminal: "vorbexia: timedemo frame N of
// TOTAL" at the first frame, then at most once a second, each over the one
// before (a carriage return); Finish ends the line, so that the figures
// and the state line start lines of their own.
class TimedemoProgress {
 public:
  using Clock = std::function<double()>;  // seconds, from any start
  TimedemoProgress(std::ostream& err, uint64_t total, Clock clock);
  void Frame(uint64_t frame);
  void Finish();

 private:
  std::ostream& err_;
  uint64_t total_;
  Clock clock_;
  std::optional<double> told_at_;  // when the last line was written
};

// Runs the game. A recording then replaces the demo's file, or is dropped
// when no game ran; one that failed on the way is reported in a box and on
// `err` (exit code 1). A timedemo prints its figures and the final state on
// `out`; where it did not run, was interrupted (exit code 128 + the
// signal) or its figures cannot be written, one line on `err` says so.
// `progress`, when given, has been told the frames and is finished first.
int RunLaunch(Launch& launch, GameState& state, Platform& platform,
              Renderer& renderer, std::ostream& out, std::ostream& err,
              TimedemoProgress* progress = nullptr);

// What only the system knows, for RunGame: the time, the player's folders,
// the text streams, and how its platform, renderer and sound are made.
struct PlatformKit {
  uint32_t time_seed;  // the seed where neither --seed nor a demo gives one
  UserFolders folders;
  std::ostream& out;
  std::ostream& err;
  // Made once the command line holds a game; the system's quit handling is
  // set up here too, before its window. unattended (a timedemo): no box is
  // shown, each goes to the standard error as a line instead.
  std::function<std::unique_ptr<Platform>(bool paced, bool unattended)> make_platform;
  std::function<std::unique_ptr<Renderer>(ReaderBox reader_box)> make_renderer;
  // May give null (no device): the game then plays on silently.
  std::function<std::unique_ptr<SoundOutput>(int volume)> open_sound;
  // Optional. Run where the program ends before any game (a refusal,
  // --help, --version), with the lines printed so far.
  std::function<void()> ended_before_game;
  // Optional. Run as the game has wound down, before the sound, the
  // renderer and the platform close.
  std::function<void()> game_ended;
  // Whether `err` is a terminal: a timedemo then tells its progress there.
  bool err_is_terminal = false;
};

// The whole launch, the same on every system: PrepareLaunch, then the
// platform, the renderer (its boxes shown on the platform) and the sound, in
// that order and closed in the reverse order, then RunLaunch. Returns the
// program's exit code.
int RunGame(std::span<const std::string_view> args, const PlatformKit& kit);

}  // namespace vorbexia
