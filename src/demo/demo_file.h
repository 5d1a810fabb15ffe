// Demo files: a recorded game as plain text (docs/demo-format.md).
//
//   vorbexia-demo 1
//   seed 7
//   U
//   US
//   -U
//
// After the header and the seed, one line per frame: the keys applied after
// that frame's swap (U, D, R, L, S as in a key script), in any order; a
// leading '-' marks a frame in which the window was minimised and the world
// did not step. Lines end in LF or CRLF.
#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>

#include "demo/key_script.h"

namespace vorbexia {

struct Demo {
  uint32_t seed = 0;
  KeyScript frames;
};

// Plain decimal digits within 0 to 4294967295.
bool ParseSeed(std::string_view text, uint32_t& seed);

// Reads a whole demo. False, with `error` naming the line (counted from 1),
// on a wrong header or seed, a bad frame line, too many frames, a line too
// long (the limits of a key script) or a read error.
bool ReadDemo(std::istream& in, Demo& demo, std::string& error);

// Opens and reads the file at `path`; `error` names the file.
bool ReadDemoFile(const std::string& path, Demo& demo, std::string& error);

// The two header lines, each with its LF.
std::string DemoHeader(uint32_t seed);

// One frame's line without its line end, letters in the order U D R L S.
std::string DemoFrameLine(const FrameKeys& keys);

}  // namespace vorbexia
