// What the fuzz targets hold every parser to besides not crashing: a broken
// rule is named on standard error before the abort, so that the artifact's
// report says which one.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace vorbexia::fuzz {

inline void Require(bool holds, const char* rule) {
  if (holds) return;
  std::fprintf(stderr, "fuzz: broken rule: %s\n", rule);
  std::abort();
}

// A message the player can read on one line: not empty, no line end and no
// other control character (they are shown escaped).
inline bool OneLine(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return false;
  }
  return true;
}

// A command line as the system hands it over: the input split at its NUL
// bytes into arguments (none for an empty input).
inline std::vector<std::string_view> SplitAtNul(std::string_view text) {
  std::vector<std::string_view> args;
  if (text.empty()) return args;
  for (;;) {
    const size_t end = text.find('\0');
    args.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return args;
    text.remove_prefix(end + 1);
  }
}

}  // namespace vorbexia::fuzz
