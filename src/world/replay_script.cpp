#include "world/replay_script.h"

#include <charconv>

namespace vorbexia {
namespace {

bool SetKey(char letter, FrameKeys& keys) {
  switch (letter) {
    case 'U': keys.forward = true; return true;
    case 'D': keys.backward = true; return true;
    case 'R': keys.right = true; return true;
    case 'L': keys.left = true; return true;
    case 'S': keys.fire = true; return true;
    default: return false;
  }
}

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
    error = "malformed number '" + std::string(text) + "' for " + std::string(name);
    return false;
  }
  return true;
}

}  // namespace

bool ParseFrameKeys(std::string_view line, FrameKeys& keys, std::string& error) {
  keys = FrameKeys{};
  for (const char letter : line) {
    if (!SetKey(letter, keys)) {
      error = "unknown key '" + std::string(1, letter) + "'";
      return false;
    }
  }
  return true;
}

bool ReadKeyScript(std::istream& in, KeyScript& script, std::string& error) {
  script.clear();
  std::string line;
  while (std::getline(in, line)) {
    FrameKeys keys;
    if (!ParseFrameKeys(line, keys, error)) {
      error = "line " + std::to_string(script.size() + 1) + ": " + error;
      return false;
    }
    script.push_back(keys);
  }
  return true;
}

bool ParseReplayOptions(std::span<const std::string_view> args,
                        ReplayOptions& options, std::string& error) {
  options = ReplayOptions{};
  bool has_seed = false;
  for (size_t at = 0; at < args.size(); ++at) {
    if (args[at] == "--seed") {
      if (!ParseOptionNumber(args, at, options.seed, error)) return false;
      has_seed = true;
    } else if (args[at] == "--frames") {
      uint64_t frames = 0;
      if (!ParseOptionNumber(args, at, frames, error)) return false;
      options.frames = frames;
    } else {
      error = "unknown argument '" + std::string(args[at]) + "'";
      return false;
    }
  }
  if (!has_seed) {
    error = "missing --seed";
    return false;
  }
  return true;
}

}  // namespace vorbexia
