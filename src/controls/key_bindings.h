// Which keys do what: the keyboard's keys, by virtual-key code, looked up as
// the player's actions. The input state uses them; the world's rules and the
// demos see only the frame's command, never a key.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/action.h"

namespace vorbexia {


// The settings file's name of each action ("walk", "turn_left", ...).
std::string_view ActionName(Action action);
std::optional<Action> ActionNamed(std::string_view name);

// Virtual-key codes by action; a key serves one action at most (the last
// binding that names it wins).
struct KeyBindings {
  std::array<std::vector<uint32_t>, kActionCount> keys;
};

// The arrows, Space, Esc, Tab; P and Pause, F12, F1.
KeyBindings DefaultBindings();
// The keys `keys = wasd` adds beside the arrows, with their actions.
struct ActionKey {
  Action action;
  uint32_t key;
};
constexpr ActionKey kWasd[] = {{Action::kWalk, 'W'},
                               {Action::kTurnLeft, 'A'},
                               {Action::kBack, 'S'},
                               {Action::kTurnRight, 'D'}};
// W, A, S and D beside the arrows (each once, however often asked).
void AddWasd(KeyBindings& bindings);
// Whether `key` is among `action`'s keys.
bool HasKey(const KeyBindings& bindings, Action action, uint32_t key);
// `action` is done by exactly these keys, which no other action keeps.
void Bind(KeyBindings& bindings, Action action, const std::vector<uint32_t>& keys);
std::optional<Action> ActionOfKey(const KeyBindings& bindings, uint32_t key);

// Key names as the settings file and the help write them: "A".."Z", "0".."9",
// "F1".."F12", "Up", "Space", "Escape", ... (any case); nullopt when unknown.
std::optional<uint32_t> KeyNamed(std::string_view name);
std::string KeyName(uint32_t key);
// The names of the keys bound to `action`, separated by spaces; empty when
// none is.
std::string KeyNames(const KeyBindings& bindings, Action action);

}  // namespace vorbexia
