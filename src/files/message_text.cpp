#include "files/message_text.h"

#include <cstdio>

namespace vorbexia {
namespace {

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

}  // namespace vorbexia
