// Text over a finished frame: the menu while the game is paused, the keys
// while the help is shown. A block font of 5 x 7 cells, each cell a square
// of whole pixels, in the HUD's colours on a dark translucent panel in the
// middle of the viewport. Lines are left-aligned within the panel.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "render/overlay_layout.h"

namespace vorbexia {

// The rows of a character's glyph, top row first; in a row, bit 4 is the
// leftmost cell. Upper case A to Z, 0 to 9 and + - / . , : ( ) = > ? ! have
// glyphs; every other character (the space too) is blank.
std::array<uint8_t, kGlyphRows> GlyphRows(char c);

// One character a cell for a UTF-8 line: lower case turned upper, the
// Polish letters (Ą Ć Ę Ł Ń Ó Ś Ź Ż, either case) shown by their plain
// letters, and anything without a glyph (a byte that is not UTF-8 too)
// a space.
std::string OverlayCells(const std::string& utf8_line);

// Draws the lines into the current viewport. Every piece of render state it
// touches is pushed first and popped after, so the next frame draws exactly
// as without it. No lines: nothing is drawn.
void DrawOverlay(const std::vector<std::string>& lines);

// Pixels a line of `columns` characters spans across, in cells of `cell`
// pixels (no blank after the last character).
int TextWidth(int columns, int cell);

// One line of cells (from OverlayCells) in the current colour, its first
// character's top left corner at (left, top), pixels from the viewport's
// lower left corner; inside glBegin(GL_QUADS) ... glEnd() of a flat drawing.
void DrawTextLine(const std::string& cells, int left, int top, int cell);

// One line on a black band low in the viewport, in the overlay's amber and
// small cells: the name of a screenshot just taken. Render state as for
// DrawOverlay; an empty line draws nothing.
void DrawNote(const std::string& line);

}  // namespace vorbexia
