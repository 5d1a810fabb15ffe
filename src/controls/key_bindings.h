// Which keys do what. The keyboard's keys are looked up here and become the
// game's own keys (the arrows, Space, Esc and Tab of the key table), so the
// world's rules and the demos never see a rebinding; the shell's own
// actions (pause, screenshot, help) never reach the key table.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/event.h"

namespace vorbexia {

enum class Action {
  kWalk,
  kBack,
  kTurnLeft,
  kTurnRight,
  kFire,
  kQuit,
  kToggleHud,
  kPause,
  kScreenshot,
  kHelp,
};
constexpr int kActionCount = 10;

// The settings file's name of each action ("walk", "turn_left", ...).
std::string_view ActionName(Action action);
std::optional<Action> ActionNamed(std::string_view name);

// The key-table code an action presses (kKeyUp for walking...); 0 for the
// shell's own actions.
uint32_t TableKey(Action action);

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

// The keyboard keys held and the game's keys held by the pads, so that a
// game key is let go only when the last key bound to it is.
struct BoundKeys {
  std::array<bool, 256> keyboard{};  // by virtual-key code
  std::array<bool, 256> pad{};       // by key-table code
};

// What a key event comes to: the event for the key table (a key-down or a
// key-up of a table code), or an action of the shell's own (on key-down).
struct BoundEvent {
  std::optional<Event> table_event;
  std::optional<Action> action;
};

// Looks up a key-down or key-up event; pads' keys are table keys already.
BoundEvent BindKeyEvent(const KeyBindings& bindings, BoundKeys& held, const Event& event);

}  // namespace vorbexia
