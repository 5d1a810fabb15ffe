// The game's command line. With no arguments the game asks the mode
// question, plays on the keyboard with sound, and records nothing.
//
//   vorbexia [--windowed | --fullscreen] [--seed N] [--hud] [--mute]
//            [--volume N] [--config FILE]
//            [--record FILE | --replay FILE | --timedemo FILE]
//   vorbexia --help | --version
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vorbexia {

enum class DemoUse { kNone, kRecord, kReplay, kTimedemo };

struct CommandLine {
  std::optional<bool> fullscreen;
  std::optional<uint32_t> seed;
  DemoUse demo = DemoUse::kNone;
  std::string demo_path;
  bool hud = false;   // the HUD shown from the start
  bool mute = false;  // no sound
  std::optional<int> volume;          // percent, over the settings file's
  std::optional<std::string> config;  // another settings file
  bool help = false;
  bool version = false;
};

// Reads the arguments after the program name. False, with `error` in one
// line, on an unknown or repeated option, a missing or malformed value, or
// options that exclude each other.
bool ParseCommandLine(std::span<const std::string_view> args, CommandLine& line,
                      std::string& error);

// The text of --help, with its last line end; it names the settings file.
std::string UsageText(const std::string& settings_file);

// The text of --version, with its line end.
std::string VersionText();

}  // namespace vorbexia
