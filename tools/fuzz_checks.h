// What the fuzz targets hold every parser to besides not crashing: a broken
// rule is named on standard error before the abort, so that the artifact's
// report says which one.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

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

}  // namespace vorbexia::fuzz
