// The default keys by their virtual-key codes, the codes the platform layers
// translate their own keys into; the world never sees them, only the frame's
// command built from them.
#pragma once

#include <cstdint>

namespace vorbexia {

constexpr int kKeyTab = 9;  // shows or hides the HUD
constexpr int kKeyReturn = 13;  // chooses in the menu; with Alt, full screen
constexpr int kKeyEscape = 27;
constexpr int kKeySpace = 32;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;

}  // namespace vorbexia
