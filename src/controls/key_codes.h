// The game's keys by their virtual-key codes, as the platform layers
// translate their own keys and the bindings hand them on; the world never
// sees them, only the frame's keys built from them.
#pragma once

#include <array>
#include <cstdint>

namespace vorbexia {

// 1 while the key with that virtual-key code is held, 0 otherwise.
using KeyTable = std::array<uint8_t, 256>;

constexpr int kKeyTab = 9;  // shows or hides the HUD
constexpr int kKeyEscape = 27;
constexpr int kKeySpace = 32;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;

}  // namespace vorbexia
