#include "platform/web/key_map.h"

#include <array>
#include <utility>

#include "controls/key_codes.h"

namespace vorbexia {
namespace {

// Virtual-key codes the game has no key-table name for.
constexpr int kKeyEnter = 13;
constexpr int kKeyF1 = 112;   // the help
constexpr int kKeyF12 = 123;  // the screenshot

constexpr std::array<std::pair<std::string_view, int>, 24> kNamedKeys = {{
    {"Backspace", 8},   {"Tab", kKeyTab},        {"Enter", kKeyEnter},
    {"NumpadEnter", kKeyEnter}, {"ShiftLeft", 16},       {"ShiftRight", 16},
    {"ControlLeft", 17}, {"ControlRight", 17},    {"AltLeft", 18},
    {"AltRight", 18},   {"Pause", 19},           {"CapsLock", 20},
    {"Escape", kKeyEscape}, {"Space", kKeySpace}, {"PageUp", 33},
    {"PageDown", 34},   {"End", 35},             {"Home", 36},
    {"ArrowLeft", kKeyLeft}, {"ArrowUp", kKeyUp}, {"ArrowRight", kKeyRight},
    {"ArrowDown", kKeyDown}, {"Insert", 45},      {"Delete", 46},
}};

// The number after `prefix` in `code`, within [low, high], else -1.
int NumberAfter(std::string_view code, std::string_view prefix, int low, int high) {
  if (code.substr(0, prefix.size()) != prefix || code.size() == prefix.size()) return -1;
  int number = 0;
  for (const char digit : code.substr(prefix.size())) {
    if (digit < '0' || digit > '9' || number > high) return -1;
    number = number * 10 + (digit - '0');
  }
  return number >= low && number <= high ? number : -1;
}

}  // namespace

int VirtualKeyFromDomCode(std::string_view code) {
  // "KeyA" to "KeyZ": 65 to 90; "Digit0" to "Digit9": 48 to 57.
  if (code.size() == 4 && code.substr(0, 3) == "Key" && code[3] >= 'A' && code[3] <= 'Z') {
    return 65 + (code[3] - 'A');
  }
  if (const int digit = NumberAfter(code, "Digit", 0, 9); digit >= 0) return 48 + digit;
  if (const int f = NumberAfter(code, "F", 1, 12); f >= 0) return 111 + f;
  for (const auto& [name, key] : kNamedKeys) {
    if (name == code) return key;
  }
  return -1;
}

bool GameTakesKey(int virtual_key, bool alt) {
  if (alt) return virtual_key == kKeyEnter;
  switch (virtual_key) {
    case kKeyTab:
    case kKeyEscape:
    case kKeySpace:
    case kKeyLeft:
    case kKeyUp:
    case kKeyRight:
    case kKeyDown:
    case kKeyF1:
    case kKeyF12:
      return true;
    default:
      return false;
  }
}

}  // namespace vorbexia
