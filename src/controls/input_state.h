// The player's input, held in one place: every source (the keyboard's keys
// as bound, the pads' controls, the mouse's motion) posts its events here,
// and each frame takes its command from here. The world, the recorder and
// the playback see only that command.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "controls/event.h"
#include "controls/key_bindings.h"
#include "controls/mouse_turn.h"
#include "world/frame.h"

namespace vorbexia {

struct InputState {
  // The keyboard's keys held, by virtual-key code; a key-down of a held key
  // is the keyboard's repeat.
  std::array<bool, 256> keys{};
  // Keys whose press the shell took back, ignored until they are let go.
  std::array<bool, 256> muted{};
  // The other sources holding each action, a bit per source.
  std::array<uint64_t, kActionCount> holders{};
  // Pressed since the last frame took its command: a tap that begins and
  // ends between two frames still fires or quits once.
  std::array<bool, kActionCount> pressed{};
  MouseTurn mouse;
  bool turning = false;  // mouse motion turns the view (the mouse is captured)
  bool alt_enter_held = false;
};

// What one event asks for at once.
struct Posted {
  // The action a key-down or a control's press did: the game's actions at
  // every key-down, repeats too (a repeated Space fires again); the shell's
  // (pause, screenshot, help, HUD) once a press, however long the key
  // repeats.
  std::optional<Action> action;
  bool full_screen = false;  // Alt+Enter, once a press
};

// Follows one event. A key goes through the bindings; a control's action
// is held by its source; an action is let go when the last key or source
// holding it lets go. Losing the keyboard focus lets go of everything held
// (the releases would go to another window), and a pad's control then acts
// again only once pressed anew. Of the keys pressed with Alt held only
// Alt+Enter counts.
Posted PostInput(InputState& input, const KeyBindings& bindings, const Event& event);

// Whether any key or source holds `action`.
bool Held(const InputState& input, const KeyBindings& bindings, Action action);

// The shell took the press `event` made for itself (a move in the menu,
// the press that resumed the game): it fires or quits nothing and holds
// nothing, and a key acts again only once let go and pressed anew.
void TakeBackPress(InputState& input, const KeyBindings& bindings, const Event& event);

// One frame's command: the walks and turns held, the mouse's turn step,
// fire for a press since the last frame, quit for Esc held or pressed since.
struct FrameCommand {
  FrameKeys keys;
  bool quit = false;
};

// The frame's command; its presses are taken. An inactive (minimised)
// window's frame is marked so.
FrameCommand TakeFrameCommand(InputState& input, const KeyBindings& bindings, bool active);

}  // namespace vorbexia
