// libFuzzer target for the settings file: each input is a whole file's text,
// read by ParseSettings as the game reads vorbexia.conf. Besides crashes it
// holds the result to what the game relies on: one readable line per
// warning, values within their ranges, each key serving one action, Escape
// always quitting, and key names that read back as themselves. The same
// bytes then drive the input state with key and pad events, after which
// letting everything go must leave nothing held.
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/input_state.h"
#include "controls/key_bindings.h"
#include "controls/key_codes.h"
#include "controls/settings.h"
#include "fuzz_checks.h"

namespace {

using vorbexia::Action;
using vorbexia::fuzz::Require;

void CheckValues(const vorbexia::Settings& settings) {
  Require(settings.volume >= 0 && settings.volume <= 100, "volume within 0 to 100");
  Require(std::isfinite(settings.mouse_sensitivity) &&
              settings.mouse_sensitivity >= vorbexia::kMinMouseSensitivity &&
              settings.mouse_sensitivity <= vorbexia::kMaxMouseSensitivity,
          "mouse sensitivity within its range");
  Require(settings.start >= vorbexia::StartMode::kAsk &&
              settings.start <= vorbexia::StartMode::kDesktop,
          "a known start mode");
}

void CheckBindings(const vorbexia::KeyBindings& bindings) {
  std::array<int, 256> owners{};
  for (int a = 0; a < vorbexia::kActionCount; ++a) {
    std::vector<uint32_t> keys = bindings.keys[a];
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    for (const uint32_t key : keys) {
      Require(key < owners.size(), "a bound key is a virtual-key code");
      Require(++owners[key] == 1, "a key serves one action at most");
      Require(vorbexia::KeyNamed(vorbexia::KeyName(key)) == key,
              "a bound key's name reads back as the key");
    }
  }
  Require(vorbexia::ActionOfKey(bindings, vorbexia::kKeyEscape) == Action::kQuit,
          "Escape always quits");
}

// Every word of the text that names a key is written back with that name,
// in another case at most: the help and the warnings show what was written.
void CheckKeyNames(std::string_view text) {
  size_t at = 0;
  for (int words = 0; words < 64; ++words) {
    at = text.find_first_not_of(" \t\r\n=#", at);
    if (at == std::string_view::npos) return;
    const size_t end = std::min(text.find_first_of(" \t\r\n=#", at), text.size());
    const std::string_view word = text.substr(at, end - at);
    at = end;
    const std::optional<uint32_t> key = vorbexia::KeyNamed(word);
    if (!key) continue;
    const std::string name = vorbexia::KeyName(*key);
    Require(name.size() == word.size() &&
                std::equal(name.begin(), name.end(), word.begin(), [](char a, char b) {
                  return std::tolower(static_cast<unsigned char>(a)) ==
                         std::tolower(static_cast<unsigned char>(b));
                }),
            "a key's name is the name it was read by");
  }
}

// Events from the input's bytes in pairs (key, how): bit 0 of `how`
// presses or lets go, bit 1 makes it a pad's action (`key` names the action
// and the pad) instead of a key. Every frame's command is taken as it goes;
// then everything still held is let go, and nothing may stay held.
void CheckInputEvents(const vorbexia::KeyBindings& bindings, const uint8_t* data, size_t size) {
  using vorbexia::Event;
  using vorbexia::EventCode;
  vorbexia::InputState input;
  const auto post = [&](const Event& event) {
    const vorbexia::Posted posted = vorbexia::PostInput(input, bindings, event);
    Require(!posted.action || event.code == EventCode::kKeyDown ||
                event.code == EventCode::kActionDown,
            "only a press does an action");
  };
  const size_t pairs = std::min<size_t>(size / 2, 512);
  for (size_t i = 0; i < pairs; ++i) {
    const uint8_t key = data[2 * i], how = data[2 * i + 1];
    const bool down = (how & 1) != 0;
    if ((how & 2) != 0) {
      post(Event{.code = down ? EventCode::kActionDown : EventCode::kActionUp,
                 .action = static_cast<Action>(key % vorbexia::kActionCount),
                 .source = 1 + key % 3});
    } else {
      post(Event{.code = down ? EventCode::kKeyDown : EventCode::kKeyUp, .key = key});
    }
    if ((how & 4) != 0) vorbexia::TakeFrameCommand(input, bindings, true);
  }
  for (uint32_t key = 0; key < 256; ++key) post(Event{.code = EventCode::kKeyUp, .key = key});
  for (int a = 0; a < vorbexia::kActionCount; ++a) {
    for (int source = 1; source <= 3; ++source) {
      post(Event{.code = EventCode::kActionUp, .action = static_cast<Action>(a), .source = source});
    }
  }
  vorbexia::TakeFrameCommand(input, bindings, true);
  const vorbexia::FrameCommand idle = vorbexia::TakeFrameCommand(input, bindings, true);
  Require(idle.keys == vorbexia::FrameKeys{} && !idle.quit,
          "nothing stays held once every key and pad is let go");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string file = "fuzz.conf";
  std::vector<std::string> warnings;
  const vorbexia::Settings settings = vorbexia::ParseSettings(text, file, warnings);
  for (const std::string& warning : warnings) {
    Require(warning.starts_with(file + ":"), "a warning names the file");
    Require(vorbexia::fuzz::OneLine(warning), "a warning is one readable line");
  }
  CheckValues(settings);
  CheckBindings(settings.bindings);
  CheckKeyNames(text);
  CheckInputEvents(settings.bindings, data, size);
  return 0;
}
