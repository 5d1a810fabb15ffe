#include "world/demo_file.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>

namespace vorbexia {
namespace {

constexpr std::string_view kHeader = "vorbexia-demo 1";
constexpr std::string_view kSeedPrefix = "seed ";

enum class LineRead { kLine, kEnd, kTooLong };

// One line without its LF (and without the CR of a CRLF). Stops reading a
// line once it is longer than kMaxDemoLineBytes.
LineRead ReadLine(std::istream& in, std::string& line) {
  line.clear();
  std::streambuf* buffer = in.rdbuf();
  for (;;) {
    const int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      return line.empty() ? LineRead::kEnd : LineRead::kLine;
    }
    if (c == '\n') break;
    if (line.size() == kMaxDemoLineBytes) return LineRead::kTooLong;
    line += static_cast<char>(c);
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return LineRead::kLine;
}

bool LineError(uint64_t number, const std::string& what, std::string& error) {
  error = "line " + std::to_string(number) + ": " + what;
  return false;
}

bool ReadHeader(std::istream& in, Demo& demo, std::string& error) {
  std::string line;
  if (ReadLine(in, line) != LineRead::kLine || line != kHeader) {
    return LineError(1, "not a demo file (expected '" + std::string(kHeader) + "')",
                     error);
  }
  if (ReadLine(in, line) != LineRead::kLine || !line.starts_with(kSeedPrefix) ||
      !ParseSeed(std::string_view(line).substr(kSeedPrefix.size()), demo.seed)) {
    return LineError(2, "expected 'seed N' with N from 0 to 4294967295", error);
  }
  return true;
}

bool ParseFrameLine(std::string_view line, FrameKeys& keys, std::string& error) {
  const bool inactive = !line.empty() && line.front() == '-';
  if (inactive) line.remove_prefix(1);
  if (!ParseFrameKeys(line, keys, error)) return false;
  keys.inactive = inactive;
  return true;
}

}  // namespace

bool ParseSeed(std::string_view text, uint32_t& seed) {
  if (text.empty() || text.front() < '0' || text.front() > '9') return false;
  const char* end = text.data() + text.size();
  const auto [stop, status] = std::from_chars(text.data(), end, seed);
  return status == std::errc() && stop == end;
}

bool ReadDemo(std::istream& in, Demo& demo, std::string& error) {
  demo = Demo{};
  if (!ReadHeader(in, demo, error)) return false;
  std::string line;
  for (uint64_t number = 3;; ++number) {
    const LineRead read = ReadLine(in, line);
    if (read == LineRead::kEnd) break;
    if (read == LineRead::kTooLong) return LineError(number, "line too long", error);
    if (demo.frames.size() == kMaxDemoFrames) {
      return LineError(number, "more than " + std::to_string(kMaxDemoFrames) +
                                   " frames", error);
    }
    FrameKeys keys;
    if (!ParseFrameLine(line, keys, error)) return LineError(number, error, error);
    demo.frames.push_back(keys);
  }
  if (in.bad()) {  // a read error is no end of the demo
    error = std::string("cannot read: ") + std::strerror(errno);
    return false;
  }
  return true;
}

bool ReadDemoFile(const std::string& path, Demo& demo, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open the demo '" + EscapeForMessage(path) + "': " + std::strerror(errno);
    return false;
  }
  if (ReadDemo(in, demo, error)) return true;
  error = "demo '" + EscapeForMessage(path) + "': " + error;
  return false;
}

std::string DemoHeader(uint32_t seed) {
  return std::string(kHeader) + "\n" + std::string(kSeedPrefix) + std::to_string(seed) + "\n";
}

std::string DemoFrameLine(const FrameKeys& keys) {
  std::string line = keys.inactive ? "-" : "";
  if (keys.forward) line += 'U';
  if (keys.backward) line += 'D';
  if (keys.right) line += 'R';
  if (keys.left) line += 'L';
  if (keys.fire) line += 'S';
  return line;
}

}  // namespace vorbexia
