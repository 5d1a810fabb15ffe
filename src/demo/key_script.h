// Key scripts: the frames of a game as lines of key letters, read with
// the limits that keep a hostile file from growing without bound.
//
// The script has one line per frame naming the keys held in that frame:
// U (Up), D (Down), R (Right), L (Left), and S for a Space key-down that
// arrived before the frame. An empty line is a frame with no key. Lines may
// end in LF or CRLF.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

#include "world/frame.h"

namespace vorbexia {

// More frames than this (46 hours at 60 frames per second) is no game
// anybody played: such a script or demo is refused rather than held in
// memory.
constexpr uint64_t kMaxScriptFrames = 10'000'000;

// A frame line is at most '-', five letters and a CR; a longer line is
// refused as soon as it passes this many bytes, so no line is ever held
// whole.
constexpr size_t kMaxScriptLineBytes = 64;

// Reads one script line. False, with `error` set, on any character other
// than the five key letters.
bool ParseFrameKeys(std::string_view line, FrameKeys& keys, std::string& error);

// Reads the whole script, one frame per line. False, with `error` naming the
// line (counted from 1), on the first bad line, a line longer than
// kMaxScriptLineBytes, more than kMaxScriptFrames lines, or a read error.
bool ReadKeyScript(std::istream& in, KeyScript& script, std::string& error);

// The frame lines of a script or a demo from where `in` stands, the first
// one numbered `first_line` in messages; `inactive_marks`: a leading '-'
// marks a frame in which the world stood still. Limits and errors as
// ReadKeyScript's.
bool ReadFrameLines(std::istream& in, uint64_t first_line, bool inactive_marks,
                    KeyScript& frames, std::string& error);

enum class LineRead { kLine, kEnd, kTooLong, kReadError };

// One line without its LF (and without the CR of a CRLF). Stops reading a
// line once it is longer than kMaxScriptLineBytes. A read error (a
// directory, EIO) is kReadError with the reason in `error`.
LineRead ReadBoundedLine(std::istream& in, std::string& line, std::string& error);

}  // namespace vorbexia
