#include "sim_options.h"

#include <charconv>

#include "demo/key_script.h"
#include "files/message_text.h"

namespace vorbexia {
namespace {

// The whole text must be decimal digits that fit the type.
template <typename Number>
bool ParseDecimal(std::string_view text, Number& value) {
  if (text.empty() || text.front() < '0' || text.front() > '9') return false;
  const char* end = text.data() + text.size();
  const auto [stop, status] = std::from_chars(text.data(), end, value);
  return status == std::errc() && stop == end;
}

template <typename Number>
bool ParseOptionNumber(std::span<const std::string_view> args, size_t& at,
                       Number& value, std::string& error) {
  const std::string_view name = args[at];
  if (at + 1 >= args.size()) {
    error = std::string(name) + " needs a number";
    return false;
  }
  const std::string_view text = args[++at];
  if (!ParseDecimal(text, value)) {
    error = "malformed number '" + EscapeForMessage(text) + "' for " + std::string(name);
    return false;
  }
  return true;
}

bool ParseOption(std::span<const std::string_view> args, size_t& at,
                 ReplayOptions& options, bool& has_seed, bool& has_frames,
                 std::string& error) {
  const std::string_view name = args[at];
  bool& seen = name == "--seed" ? has_seed : has_frames;
  if (seen) {
    error = "repeated option " + std::string(name);
    return false;
  }
  seen = true;
  if (name == "--seed") return ParseOptionNumber(args, at, options.seed, error);
  uint64_t frames = 0;
  if (!ParseOptionNumber(args, at, frames, error)) return false;
  options.frames = frames;
  return true;
}

bool ParseDemoOption(std::span<const std::string_view> args, size_t& at,
                     ReplayOptions& options, std::string& error) {
  if (options.demo) {
    error = "repeated option --demo";
    return false;
  }
  if (at + 1 >= args.size()) {
    error = "--demo needs a file";
    return false;
  }
  options.demo = std::string(args[++at]);
  return true;
}

}  // namespace

bool ParseReplayOptions(std::span<const std::string_view> args,
                        ReplayOptions& options, std::string& error) {
  options = ReplayOptions{};
  bool has_seed = false, has_frames = false;
  for (size_t at = 0; at < args.size(); ++at) {
    if (args[at] == "--seed" || args[at] == "--frames") {
      if (!ParseOption(args, at, options, has_seed, has_frames, error)) return false;
    } else if (args[at] == "--demo") {
      if (!ParseDemoOption(args, at, options, error)) return false;
    } else if (args[at] == "--help") {
      if (options.help) {
        error = "repeated option --help";
        return false;
      }
      options.help = true;
    } else {
      error = "unknown argument '" + EscapeForMessage(args[at]) + "'";
      return false;
    }
  }
  // Asked for help, the other options are read for mistakes but need not
  // make a run.
  if (!options.help && has_seed == options.demo.has_value()) {
    error = has_seed ? "--seed and --demo exclude each other (the demo has its seed)"
                     : "missing --seed or --demo";
    return false;
  }
  return true;
}

std::string SimUsageText() {
  return "usage: vorbexia-sim --seed S [--frames N] < script\n"
         "       vorbexia-sim --demo FILE [--frames N]\n"
         "       vorbexia-sim --help\n"
         "\n"
         "Replays a game headless and prints the state after every frame.\n"
         "\n"
         "  --seed S     seed the robots with S (0 to 4294967295) and read the key\n"
         "               script from standard input: one line per frame naming the\n"
         "               keys held (U, D, R, L, and S for a Space press), lines\n"
         "               ending in LF or CRLF, at most 64 bytes a line and\n"
         "               10,000,000 frames, as in a demo file\n"
         "  --demo FILE  replay a demo file, which gives the seed and the frames\n"
         "  --frames N   run N frames (without it, as many as the script has)\n"
         "  --help       this text\n"
         "\n"
         "Exit status: 0 done, 1 the states could not be written, 2 bad input.\n";
}

}  // namespace vorbexia
