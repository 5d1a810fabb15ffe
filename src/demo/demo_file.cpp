#include "demo/demo_file.h"

#include <charconv>

#include "files/input_file.h"
#include "files/message_text.h"

namespace vorbexia {
namespace {

constexpr std::string_view kHeader = "vorbexia-demo 1";
constexpr std::string_view kSeedPrefix = "seed ";

bool LineError(uint64_t number, const std::string& what, std::string& error) {
  error = "line " + std::to_string(number) + ": " + what;
  return false;
}

bool ReadHeader(std::istream& in, Demo& demo, std::string& error) {
  std::string line;
  LineRead read = ReadBoundedLine(in, line, error);
  if (read == LineRead::kReadError) return false;
  if (read != LineRead::kLine || line != kHeader) {
    return LineError(1, "not a demo file (expected '" + std::string(kHeader) + "')",
                     error);
  }
  read = ReadBoundedLine(in, line, error);
  if (read == LineRead::kReadError) return false;
  if (read != LineRead::kLine || !line.starts_with(kSeedPrefix) ||
      !ParseSeed(std::string_view(line).substr(kSeedPrefix.size()), demo.seed)) {
    return LineError(2, "expected 'seed N' with N from 0 to 4294967295", error);
  }
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
  return ReadHeader(in, demo, error) && ReadFrameLines(in, 3, true, demo.frames, error);
}

bool ReadDemoFile(const std::string& path, Demo& demo, std::string& error) {
  // A FIFO or a device is refused at once: a pipe with no writer would
  // hold the game up with no window and no word.
  InputFile file;
  std::string why;
  if (!file.Open(path, why)) {
    error = "cannot open the demo '" + EscapeForMessage(path) + "': " + why;
    return false;
  }
  if (ReadDemo(file.stream(), demo, error)) return true;
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
