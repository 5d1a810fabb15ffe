// Where the text over the picture goes: the overlay's panel and lines in a
// viewport, and which line a point of the viewport is on (the pointer in
// the menu). Plain arithmetic, apart from the drawing, so that the shell
// can ask it without linking any graphics.
#pragma once

#include <algorithm>

namespace vorbexia {

constexpr int kGlyphColumns = 5;  // cells
constexpr int kGlyphRows = 7;     // cells

constexpr int kAdvance = kGlyphColumns + 1;  // cells, one blank between
constexpr int kLinePitch = kGlyphRows + 3;   // cells, three blank between
constexpr int kPadding = 4;                  // cells around the text
constexpr int kLargeCell = 8;     // pixels, one line, 600-pixel-high viewport
constexpr int kSmallCell = 3;     // pixels, several lines, the same viewport
constexpr int kBaseHeight = 600;  // pixels, the game's window

// Where the overlay goes in a viewport of width x height pixels, for lines
// of at most `columns` characters. Pixels from the viewport's lower left
// corner, y growing upwards.
struct OverlayLayout {
  int cell = 0;  // pixels a font cell is wide and high
  int panel_left = 0, panel_bottom = 0, panel_right = 0, panel_top = 0;
  int text_left = 0;  // the first character's left edge
  int text_top = 0;   // the first line's top edge
  int advance = 0;    // pixels from one character to the next
  int line_pitch = 0; // pixels from one line to the next
};

// A single line is large (8-pixel cells in a 600-pixel-high viewport), a
// few lines smaller (3-pixel cells there); both grow with the viewport's
// height and shrink, down to 1-pixel cells, until the panel fits.
inline OverlayLayout LayOutOverlay(int line_count, int columns, int width, int height) {
  const int text_width = std::max(columns * kAdvance - 1, 0);  // cells
  const int text_height = std::max(line_count * kLinePitch - 3, 0);
  const int panel_width = text_width + 2 * kPadding;
  const int panel_height = text_height + 2 * kPadding;
  const int base = line_count == 1 ? kLargeCell : kSmallCell;
  int cell = std::max(base * height / kBaseHeight, 1);
  while (cell > 1 && (panel_width * cell > width || panel_height * cell > height)) --cell;

  OverlayLayout layout;
  layout.cell = cell;
  layout.panel_left = (width - panel_width * cell) / 2;
  layout.panel_bottom = (height - panel_height * cell) / 2;
  layout.panel_right = layout.panel_left + panel_width * cell;
  layout.panel_top = layout.panel_bottom + panel_height * cell;
  layout.text_left = layout.panel_left + kPadding * cell;
  layout.text_top = layout.panel_top - kPadding * cell;
  layout.advance = kAdvance * cell;
  layout.line_pitch = kLinePitch * cell;
  return layout;
}

// The line (0 the first) whose band of the panel holds the point (x, y),
// pixels from the viewport's lower left corner: its letters and the blank
// below them. -1 outside the panel's width or every line.
inline int OverlayLineAt(const OverlayLayout& layout, int line_count, int x, int y) {
  if (x < layout.panel_left || x >= layout.panel_right || y > layout.text_top) return -1;
  const int line = (layout.text_top - y) / layout.line_pitch;
  return line < line_count ? line : -1;
}

}  // namespace vorbexia
