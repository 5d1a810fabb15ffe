// The menu in the game: the pause screen, which P opens, with its items
// (continue, options, keys, help, quit), the options and the keys. Each
// change is made to the player's settings at once, so the game plays on
// with it; the loop saves the settings when the menu closes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "controls/settings.h"

namespace vorbexia {

enum class MenuScreen { kTop, kOptions, kKeys, kPressKey };

struct Menu {
  bool open = false;
  MenuScreen screen = MenuScreen::kTop;
  int item = 0;                    // the selected line of the screen
  Action binding = Action::kWalk;  // kPressKey: the action that gets the key
  std::string note;                // under the items: what the last change did
  bool changed = false;            // the settings changed since the menu opened
};

enum class MenuMove { kUp, kDown, kLeft, kRight, kChoose, kBack };

// What a move asks of the shell beyond the menu itself.
enum class MenuOutcome { kNone, kContinue, kHelp, kQuit };

// The move a key makes: the arrows, Return and Esc, and the keys bound to
// walking, turning, firing and quitting.
std::optional<MenuMove> MenuMoveOfKey(uint32_t key, const KeyBindings& bindings);
// The move a pad's control makes: as the keys of its action.
std::optional<MenuMove> MenuMoveOfAction(Action action);

void OpenMenu(Menu& menu);
MenuOutcome MoveInMenu(Menu& menu, Settings& settings, MenuMove move);
// On kPressKey: `key` becomes the action's one key, taken from the action
// that had it (the note says so and what that action keeps). Esc cannot be
// bound: it goes back with nothing changed.
void BindInMenu(Menu& menu, Settings& settings, uint32_t key);

// The lines shown: the screen's title, its items (the selected one marked),
// the note.
std::vector<std::string> MenuLines(const Menu& menu, const Settings& settings);

// The pointer over line `line` of MenuLines (the title is line 0): the item
// there is selected. False where that line is no item.
bool PointAtLine(Menu& menu, int line);

}  // namespace vorbexia
