#include "demo/key_script.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ios>
#include <system_error>

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

// The length of the well-formed UTF-8 sequence that starts `text`, or 0:
// overlong forms, surrogates and code points past U+10FFFF are not.
size_t Utf8SequenceLength(std::string_view text) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the second byte's range
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

std::string EscapeForMessage(std::string_view text) {
  std::string shown;
  for (size_t at = 0; at < text.size();) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte >= 0x80) {
      if (const size_t length = Utf8SequenceLength(text.substr(at))) {
        shown += text.substr(at, length);
        at += length;
        continue;
      }
    }
    if (byte < 0x20 || byte >= 0x7F) {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      shown += escape;
    } else {
      shown += static_cast<char>(byte);
    }
    ++at;
  }
  return shown;
}

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
