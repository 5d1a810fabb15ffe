#include "controls/key_bindings.h"

#include <algorithm>
#include <cctype>

#include "controls/key_codes.h"

namespace vorbexia {
namespace {

constexpr std::array<std::string_view, kActionCount> kActionNames = {
    "walk", "back", "turn_left", "turn_right", "fire",
    "quit", "toggle_hud", "pause", "screenshot", "help"};

// Virtual-key codes of the keys with names of their own.
struct NamedKey {
  std::string_view name;
  uint32_t code;
};
constexpr NamedKey kNamedKeys[] = {
    {"Backspace", 8}, {"Tab", 9},      {"Enter", 13},    {"Shift", 16},
    {"Ctrl", 17},     {"Pause", 19},   {"Escape", 27},   {"Space", 32},
    {"PageUp", 33},   {"PageDown", 34}, {"End", 35},     {"Home", 36},
    {"Left", 37},     {"Up", 38},      {"Right", 39},    {"Down", 40},
    {"Insert", 45},   {"Delete", 46},
};
constexpr uint32_t kF1 = 112;
constexpr uint32_t kF12 = 123;

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::string_view ActionName(Action action) {
  return kActionNames[static_cast<size_t>(action)];
}

std::optional<Action> ActionNamed(std::string_view name) {
  for (int a = 0; a < kActionCount; ++a) {
    if (kActionNames[a] == name) return static_cast<Action>(a);
  }
  return std::nullopt;
}

KeyBindings DefaultBindings() {
  KeyBindings bindings;
  const auto bind = [&](Action action, std::vector<uint32_t> keys) {
    bindings.keys[static_cast<size_t>(action)] = std::move(keys);
  };
  bind(Action::kWalk, {kKeyUp});
  bind(Action::kBack, {kKeyDown});
  bind(Action::kTurnLeft, {kKeyLeft});
  bind(Action::kTurnRight, {kKeyRight});
  bind(Action::kFire, {kKeySpace});
  bind(Action::kQuit, {kKeyEscape});
  bind(Action::kToggleHud, {kKeyTab});
  bind(Action::kPause, {'P', 19});
  bind(Action::kScreenshot, {kF12});
  bind(Action::kHelp, {kF1});
  return bindings;
}

void AddWasd(KeyBindings& bindings) {
  for (const auto& [action, key] : kWasd) {
    std::vector<uint32_t> keys = bindings.keys[static_cast<size_t>(action)];
    if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
    Bind(bindings, action, keys);
  }
}

bool HasKey(const KeyBindings& bindings, Action action, uint32_t key) {
  const auto& keys = bindings.keys[static_cast<size_t>(action)];
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

void Bind(KeyBindings& bindings, Action action, const std::vector<uint32_t>& keys) {
  for (auto& others : bindings.keys) {
    std::erase_if(others, [&](uint32_t key) {
      return std::find(keys.begin(), keys.end(), key) != keys.end();
    });
  }
  bindings.keys[static_cast<size_t>(action)] = keys;
}

std::optional<Action> ActionOfKey(const KeyBindings& bindings, uint32_t key) {
  for (int a = 0; a < kActionCount; ++a) {
    const auto& keys = bindings.keys[a];
    if (std::find(keys.begin(), keys.end(), key) != keys.end()) return static_cast<Action>(a);
  }
  return std::nullopt;
}

std::optional<uint32_t> KeyNamed(std::string_view name) {
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
    return static_cast<uint32_t>(std::toupper(static_cast<unsigned char>(name[0])));
  }
  for (const NamedKey& named : kNamedKeys) {
    if (SameName(named.name, name)) return named.code;
  }
  if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f')) {
    const std::string_view digits = name.substr(1);
    if (digits.size() <= 2 && std::all_of(digits.begin(), digits.end(), [](char c) {
          return std::isdigit(static_cast<unsigned char>(c));
        })) {
      const int n = std::stoi(std::string(digits));
      if (n >= 1 && n <= 12 && digits[0] != '0') return kF1 + static_cast<uint32_t>(n - 1);
    }
  }
  return std::nullopt;
}

std::string KeyName(uint32_t key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
    return std::string(1, static_cast<char>(key));
  }
  // Appended rather than "F" + string, which GCC 12 warns about wrongly.
  if (key >= kF1 && key <= kF12) return std::string("F").append(std::to_string(key - kF1 + 1));
  for (const NamedKey& named : kNamedKeys) {
    if (named.code == key) return std::string(named.name);
  }
  return std::string("#").append(std::to_string(key));
}

std::string KeyNames(const KeyBindings& bindings, Action action) {
  std::string names;
  for (uint32_t key : bindings.keys[static_cast<size_t>(action)]) {
    if (!names.empty()) names += ' ';
    names += KeyName(key);
  }
  return names;
}

}  // namespace vorbexia
