#include "controls/input_state.h"

#include "controls/key_codes.h"

namespace vorbexia {
namespace {

size_t Index(Action action) { return static_cast<size_t>(action); }

// The shell's own actions act once a press; the game's act at every
// key-down, as the world's keys always have.
bool ActsOncePerPress(Action action) {
  switch (action) {
    case Action::kToggleHud:
    case Action::kPause:
    case Action::kScreenshot:
    case Action::kHelp: return true;
    default: return false;
  }
}

Posted Press(InputState& input, Action action, bool repeat) {
  if (repeat && ActsOncePerPress(action)) return {};
  input.pressed[Index(action)] = true;
  return Posted{.action = action};
}

Posted KeyDown(InputState& input, const KeyBindings& bindings, const Event& event) {
  if (event.alt) {
    Posted posted;
    if (event.key == kKeyReturn) {
      posted.full_screen = !input.alt_enter_held;
      input.alt_enter_held = true;
    }
    return posted;
  }
  if (input.muted[event.key]) return {};
  const bool repeat = input.keys[event.key];
  input.keys[event.key] = true;
  const std::optional<Action> action = ActionOfKey(bindings, event.key);
  return action ? Press(input, *action, repeat) : Posted{};
}

// A pad's control: held by its source until that source lets it go.
Posted ControlEvent(InputState& input, const Event& event) {
  if (event.source < 1 || event.source > kMaxSource) return {};
  uint64_t& holders = input.holders[Index(event.action)];
  const uint64_t bit = uint64_t{1} << event.source;
  const bool repeat = (holders & bit) != 0;
  if (event.code == EventCode::kActionUp) {
    holders &= ~bit;
    return {};
  }
  holders |= bit;
  return Press(input, event.action, repeat);
}

}  // namespace

Posted PostInput(InputState& input, const KeyBindings& bindings, const Event& event) {
  switch (event.code) {
    case EventCode::kKeyDown:
      if (event.key >= input.keys.size()) return {};
      return KeyDown(input, bindings, event);
    case EventCode::kKeyUp:
      if (event.key == kKeyReturn) input.alt_enter_held = false;
      if (event.key < input.keys.size()) input.keys[event.key] = input.muted[event.key] = false;
      return {};
    case EventCode::kActionDown:
    case EventCode::kActionUp:
      return ControlEvent(input, event);
    case EventCode::kMouseMove:
      if (input.turning) AddMouseMotion(input.mouse, event.dx);
      return {};
    case EventCode::kActivate:
      // Presses not yet taken stay: a tap is a tap.
      if (!event.focus) {
        input.keys.fill(false);
        input.muted.fill(false);
        input.holders.fill(0);
        input.alt_enter_held = false;
      }
      return {};
    default:
      return {};
  }
}

bool Held(const InputState& input, const KeyBindings& bindings, Action action) {
  if (input.holders[Index(action)] != 0) return true;
  for (const uint32_t key : bindings.keys[Index(action)]) {
    if (key < input.keys.size() && input.keys[key]) return true;
  }
  return false;
}

void TakeBackPress(InputState& input, const KeyBindings& bindings, const Event& event) {
  if (event.code == EventCode::kKeyDown && event.key < input.keys.size()) {
    input.keys[event.key] = false;
    input.muted[event.key] = true;
    if (const std::optional<Action> action = ActionOfKey(bindings, event.key)) {
      input.pressed[Index(*action)] = false;
    }
  }
  if (event.code == EventCode::kActionDown && event.source >= 1 && event.source <= kMaxSource) {
    input.holders[Index(event.action)] &= ~(uint64_t{1} << event.source);
    input.pressed[Index(event.action)] = false;
  }
}

FrameCommand TakeFrameCommand(InputState& input, const KeyBindings& bindings, bool active) {
  FrameCommand command;
  FrameKeys& keys = command.keys;
  keys.forward = Held(input, bindings, Action::kWalk);
  keys.backward = Held(input, bindings, Action::kBack);
  keys.right = Held(input, bindings, Action::kTurnRight);
  keys.left = Held(input, bindings, Action::kTurnLeft);
  keys.fire = input.pressed[Index(Action::kFire)];
  keys.inactive = !active;
  // The mouse's turn is this frame's only; the keys held stay as they are.
  if (input.turning) TakeTurnStep(input.mouse, keys);
  command.quit = input.pressed[Index(Action::kQuit)] || Held(input, bindings, Action::kQuit);
  input.pressed.fill(false);
  return command;
}

}  // namespace vorbexia
