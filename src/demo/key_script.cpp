#include "demo/key_script.h"

#include <cerrno>
#include <cstring>
#include <ios>
#include <system_error>

#include "files/message_text.h"

namespace vorbexia {
namespace {

bool Refuse(std::string& error, std::string text) {
  error = std::move(text);
  return false;
}

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

}  // namespace

bool ParseFrameKeys(std::string_view line, FrameKeys& keys, std::string& error) {
  keys = FrameKeys{};
  for (const char letter : line) {
    if (!SetKey(letter, keys)) {
      error = "unknown key '" + EscapeForMessage(std::string_view(&letter, 1)) + "'";
      return false;
    }
  }
  return true;
}

LineRead ReadBoundedLine(std::istream& in, std::string& line, std::string& error) {
  line.clear();
  std::streambuf* buffer = in.rdbuf();
  // Taken from the buffer directly, a failed read throws instead of
  // setting the stream's state.
  try {
    for (;;) {
      const int c = buffer->sbumpc();
      if (c == std::char_traits<char>::eof()) {
        in.setstate(std::ios::eofbit);
        return line.empty() ? LineRead::kEnd : LineRead::kLine;
      }
      if (c == '\n') break;
      if (line.size() == kMaxScriptLineBytes) return LineRead::kTooLong;
      line += static_cast<char>(c);
    }
  } catch (const std::ios_base::failure& failure) {
    const std::error_code code = failure.code();
    in.setstate(std::ios::badbit);
    error = "cannot read: " + (code.category() == std::generic_category()
                                   ? code.message() : std::string(std::strerror(errno)));
    return LineRead::kReadError;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return LineRead::kLine;
}

bool ReadFrameLines(std::istream& in, uint64_t first_line, bool inactive_marks,
                    KeyScript& frames, std::string& error) {
  frames.clear();
  std::string line;
  for (uint64_t number = first_line;; ++number) {
    const LineRead read = ReadBoundedLine(in, line, error);
    if (read == LineRead::kEnd) return true;
    if (read == LineRead::kReadError) return false;
    const std::string at = "line " + std::to_string(number) + ": ";
    if (read == LineRead::kTooLong) return Refuse(error, at + "line too long");
    if (frames.size() == kMaxScriptFrames) {
      return Refuse(error, at + "more than " + std::to_string(kMaxScriptFrames) + " frames");
    }
    const bool inactive = inactive_marks && line.starts_with('-');
    FrameKeys keys;
    if (!ParseFrameKeys(std::string_view(line).substr(inactive ? 1 : 0), keys, error)) {
      return Refuse(error, at + error);
    }
    keys.inactive = inactive;
    frames.push_back(keys);
  }
}

bool ReadKeyScript(std::istream& in, KeyScript& script, std::string& error) {
  return ReadFrameLines(in, 1, false, script, error);
}

}  // namespace vorbexia
