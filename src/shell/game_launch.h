// From the command line to the game and back: what the entry routine does
// before and after the platform exists, the same on every platform.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string_view>

#include "demo/demo_file.h"
#include "demo/demo_recorder.h"
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

// Runs the game. A recording then replaces the demo's file, or is dropped
// when no game ran; one that failed on the way is reported in a box and on
// `err` (exit code 1). A timedemo prints its figures and the final state on
// `out`; where it did not run, was interrupted (exit code 128 + the
// signal) or its figures cannot be written, one line on `err` says so.
int RunLaunch(Launch& launch, GameState& state, Platform& platform,
              Renderer& renderer, std::ostream& out, std::ostream& err);

}  // namespace vorbexia
