#include "shell/best_time.h"

#include <charconv>
#include <cstdio>

#include "files/input_file.h"
#include "files/replace_file.h"

namespace vorbexia {
namespace {

constexpr uint64_t kFramesPerSecond = 60;
constexpr size_t kMaxFileBytes = 64;

}  // namespace

std::string PlayTime(uint64_t frames) {
  const uint64_t hundredths = frames * 100 / kFramesPerSecond;
  char text[48];
  std::snprintf(text, sizeof text, "%llu:%02llu.%02llu",
                static_cast<unsigned long long>(hundredths / 6000),
                static_cast<unsigned long long>(hundredths / 100 % 60),
                static_cast<unsigned long long>(hundredths % 100));
  return text;
}

std::string ClockTime(uint64_t frames) {
  const std::string time = PlayTime(frames);
  return time.substr(0, time.size() - 3);
}

bool KeepBestTime(const std::string& folder, uint64_t frames, uint64_t& best, std::string& error) {
  const std::string path = folder + "/best-time";
  std::string text, why;
  uint64_t kept = 0;
  if (ReadSmallTextFile(path, kMaxFileBytes, text, why) == TextRead::kRead) {
    const auto [end, failed] = std::from_chars(text.data(), text.data() + text.size(), kept);
    if (failed != std::errc() || kept == 0) kept = 0;
    (void)end;
  }
  best = kept != 0 && kept <= frames ? kept : frames;
  if (best == kept) return true;
  return ReplaceFile(path, std::to_string(best) + "\n", error);
}

}  // namespace vorbexia
