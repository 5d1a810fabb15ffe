// The command line of vorbexia-sim.
//
//   vorbexia-sim --seed S [--frames N] < script
//   vorbexia-sim --demo FILE [--frames N]
//   vorbexia-sim --help
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vorbexia {

struct ReplayOptions {
  uint32_t seed = 0;
  std::optional<uint64_t> frames;  // without it the run is as long as the script
  std::optional<std::string> demo;  // a demo file: seed and frames from there
  bool help = false;  // print the usage and replay nothing
};

// Reads the arguments after the program name. Either --seed or --demo is
// required, not both, unless --help is given; numbers are plain decimal
// digits (no sign, no spaces) within their range; an option given twice is
// refused.
bool ParseReplayOptions(std::span<const std::string_view> args,
                        ReplayOptions& options, std::string& error);

// The text of --help, with its last line end.
std::string SimUsageText();

}  // namespace vorbexia
