// The optional HUD: a small crosshair in the middle of the view, the number
// of robots still standing in the top left corner with its label, and the
// time played in the top right, in pixels of the viewport. Drawn over a
// finished frame; off unless the player asks for it.
#pragma once

#include <cstdint>
#include <string>

#include "world/game_state.h"

namespace vorbexia {

// The segments a to g of a seven-segment digit (bit 0 is a, the top; then
// clockwise b, c, d, e, f; bit 6 is g, the middle), for 0 to 9.
uint8_t DigitSegments(int digit);

// Robots with hit points left.
int RobotsStanding(const GameState& state);

// The HUD's words, from the shell: the count's label in the game's language
// and the time played ("1:23").
struct HudText {
  std::string robots;
  std::string clock;
};

// Draws the HUD into the current viewport. Every piece of render state it
// touches (matrices, lighting, texturing, depth test, colour) is pushed
// first and popped after, so the next frame draws exactly as without it.
void DrawHud(const GameState& state, const HudText& text);

}  // namespace vorbexia
