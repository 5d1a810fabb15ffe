// The browser's key codes onto the virtual-key codes that index the KeyTable.
#pragma once

#include <string_view>

namespace vorbexia {

// The virtual-key code (0 to 255) of a key by its DOM code, the key's place
// on the keyboard whatever the layout ("ArrowUp", "Space", "KeyA"), or -1
// for a key without one.
int VirtualKeyFromDomCode(std::string_view code);

// True for the keys whose browser default the game takes over while it has
// the focus: the arrows and Space would scroll the page, Tab would move the
// focus away; Esc quits the game rather than stop the page loading; F1 is
// the game's help, not the browser's, F12 its screenshot, not the developer
// tools. Of the keys pressed with Alt held (`alt`) the game takes Alt+Enter
// only: Alt with an arrow still goes back or forward a page.
bool GameTakesKey(int virtual_key, bool alt);

}  // namespace vorbexia
