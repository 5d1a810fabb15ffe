#include "render/overlay.h"

#include <algorithm>

#include "render/flat_drawing.h"
#include "render/gl_api.h"

namespace vorbexia {
namespace {

struct Glyph {
  char c;
  std::array<uint8_t, kGlyphRows> rows;
};

// One row of cells a line, top row first; bit 4 (0b10000) is the leftmost.
constexpr Glyph kFont[] = {
    {'A', {0b01110,
           0b10001,
           0b10001,
           0b11111,
           0b10001,
           0b10001,
           0b10001}},
    {'B', {0b11110,
           0b10001,
           0b10001,
           0b11110,
           0b10001,
           0b10001,
           0b11110}},
    {'C', {0b01110,
           0b10001,
           0b10000,
           0b10000,
           0b10000,
           0b10001,
           0b01110}},
    {'D', {0b11110,
           0b10001,
           0b10001,
           0b10001,
           0b10001,
           0b10001,
           0b11110}},
    {'E', {0b11111,
           0b10000,
           0b10000,
           0b11110,
           0b10000,
           0b10000,
           0b11111}},
    {'F', {0b11111,
           0b10000,
           0b10000,
           0b11110,
           0b10000,
           0b10000,
           0b10000}},
    {'G', {0b01110,
           0b10001,
           0b10000,
           0b10111,
           0b10001,
           0b10001,
           0b01111}},
    {'H', {0b10001,
           0b10001,
           0b10001,
           0b11111,
           0b10001,
           0b10001,
           0b10001}},
    {'I', {0b01110,
           0b00100,
           0b00100,
           0b00100,
           0b00100,
           0b00100,
           0b01110}},
    {'J', {0b00111,
           0b00010,
           0b00010,
           0b00010,
           0b00010,
           0b10010,
           0b01100}},
    {'K', {0b10001,
           0b10010,
           0b10100,
           0b11000,
           0b10100,
           0b10010,
           0b10001}},
    {'L', {0b10000,
           0b10000,
           0b10000,
           0b10000,
           0b10000,
           0b10000,
           0b11111}},
    {'M', {0b10001,
           0b11011,
           0b10101,
           0b10101,
           0b10001,
           0b10001,
           0b10001}},
    {'N', {0b10001,
           0b10001,
           0b11001,
           0b10101,
           0b10011,
           0b10001,
           0b10001}},
    {'O', {0b01110,
           0b10001,
           0b10001,
           0b10001,
           0b10001,
           0b10001,
           0b01110}},
    {'P', {0b11110,
           0b10001,
           0b10001,
           0b11110,
           0b10000,
           0b10000,
           0b10000}},
    {'Q', {0b01110,
           0b10001,
           0b10001,
           0b10001,
           0b10101,
           0b10010,
           0b01101}},
    {'R', {0b11110,
           0b10001,
           0b10001,
           0b11110,
           0b10100,
           0b10010,
           0b10001}},
    {'S', {0b01111,
           0b10000,
           0b10000,
           0b01110,
           0b00001,
           0b00001,
           0b11110}},
    {'T', {0b11111,
           0b00100,
           0b00100,
           0b00100,
           0b00100,
           0b00100,
           0b00100}},
    {'U', {0b10001,
           0b10001,
           0b10001,
           0b10001,
           0b10001,
           0b10001,
           0b01110}},
    {'V', {0b10001,
           0b10001,
           0b10001,
           0b10001,
           0b10001,
           0b01010,
           0b00100}},
    {'W', {0b10001,
           0b10001,
           0b10001,
           0b10101,
           0b10101,
           0b10101,
           0b01010}},
    {'X', {0b10001,
           0b10001,
           0b01010,
           0b00100,
           0b01010,
           0b10001,
           0b10001}},
    {'Y', {0b10001,
           0b10001,
           0b01010,
           0b00100,
           0b00100,
           0b00100,
           0b00100}},
    {'Z', {0b11111,
           0b00001,
           0b00010,
           0b00100,
           0b01000,
           0b10000,
           0b11111}},
    {'0', {0b01110,
           0b10001,
           0b10011,
           0b10101,
           0b11001,
           0b10001,
           0b01110}},
    {'1', {0b00100,
           0b01100,
           0b00100,
           0b00100,
           0b00100,
           0b00100,
           0b01110}},
    {'2', {0b01110,
           0b10001,
           0b00001,
           0b00010,
           0b00100,
           0b01000,
           0b11111}},
    {'3', {0b11111,
           0b00010,
           0b00100,
           0b00010,
           0b00001,
           0b10001,
           0b01110}},
    {'4', {0b00010,
           0b00110,
           0b01010,
           0b10010,
           0b11111,
           0b00010,
           0b00010}},
    {'5', {0b11111,
           0b10000,
           0b11110,
           0b00001,
           0b00001,
           0b10001,
           0b01110}},
    {'6', {0b00110,
           0b01000,
           0b10000,
           0b11110,
           0b10001,
           0b10001,
           0b01110}},
    {'7', {0b11111,
           0b00001,
           0b00010,
           0b00100,
           0b01000,
           0b01000,
           0b01000}},
    {'8', {0b01110,
           0b10001,
           0b10001,
           0b01110,
           0b10001,
           0b10001,
           0b01110}},
    {'9', {0b01110,
           0b10001,
           0b10001,
           0b01111,
           0b00001,
           0b00010,
           0b01100}},
    {'+', {0b00000,
           0b00100,
           0b00100,
           0b11111,
           0b00100,
           0b00100,
           0b00000}},
    {'-', {0b00000,
           0b00000,
           0b00000,
           0b11111,
           0b00000,
           0b00000,
           0b00000}},
    {'/', {0b00000,
           0b00001,
           0b00010,
           0b00100,
           0b01000,
           0b10000,
           0b00000}},
    {'.', {0b00000,
           0b00000,
           0b00000,
           0b00000,
           0b00000,
           0b01100,
           0b01100}},
    {',', {0b00000,
           0b00000,
           0b00000,
           0b00000,
           0b01100,
           0b00100,
           0b01000}},
    {':', {0b00000,
           0b01100,
           0b01100,
           0b00000,
           0b01100,
           0b01100,
           0b00000}},
    {'(', {0b00010,
           0b00100,
           0b01000,
           0b01000,
           0b01000,
           0b00100,
           0b00010}},
    {')', {0b01000,
           0b00100,
           0b00010,
           0b00010,
           0b00010,
           0b00100,
           0b01000}},
    {'=', {0b00000,
           0b00000,
           0b11111,
           0b00000,
           0b11111,
           0b00000,
           0b00000}},
    {'>', {0b01000,
           0b00100,
           0b00010,
           0b00001,
           0b00010,
           0b00100,
           0b01000}},
    {'?', {0b01110,
           0b10001,
           0b00001,
           0b00010,
           0b00100,
           0b00000,
           0b00100}},
    {'!', {0b00100,
           0b00100,
           0b00100,
           0b00100,
           0b00100,
           0b00000,
           0b00100}},
};

constexpr int kNotePadding = 2;   // cells around a note's text
constexpr int kNoteLift = 8;      // cells from the viewport's bottom to a note's band

// The plain upper-case letter of a Polish letter's code point, else 0.
char PlainPolishLetter(char32_t code) {
  switch (code) {
    case 0x104: case 0x105: return 'A';
    case 0x106: case 0x107: return 'C';
    case 0x118: case 0x119: return 'E';
    case 0x141: case 0x142: return 'L';
    case 0x143: case 0x144: return 'N';
    case 0xD3: case 0xF3: return 'O';
    case 0x15A: case 0x15B: return 'S';
    case 0x179: case 0x17A: case 0x17B: case 0x17C: return 'Z';
    default: return 0;
  }
}

// The length of the UTF-8 sequence that starts with `lead` and its first
// bits; 0 for a byte that starts none.
int SequenceLength(unsigned char lead, char32_t& code) {
  if (lead < 0x80) return code = lead, 1;
  if ((lead & 0xE0) == 0xC0) return code = lead & 0x1F, 2;
  if ((lead & 0xF0) == 0xE0) return code = lead & 0x0F, 3;
  if ((lead & 0xF8) == 0xF0) return code = lead & 0x07, 4;
  return 0;
}

// One glyph with its top left corner at (x, y); each run of lit cells in a
// row is one quad.
void DrawGlyph(char c, int x, int y, int cell) {
  const std::array<uint8_t, kGlyphRows> rows = GlyphRows(c);
  for (int r = 0; r < kGlyphRows; ++r) {
    const int top = y - r * cell;
    const auto lit = [&](int k) { return (rows[r] >> (kGlyphColumns - 1 - k)) & 1; };
    int column = 0;
    while (column < kGlyphColumns) {
      if (!lit(column)) {
        ++column;
        continue;
      }
      const int first = column;
      while (column < kGlyphColumns && lit(column)) ++column;
      FlatQuad(static_cast<float>(x + first * cell), static_cast<float>(top - cell),
               static_cast<float>(x + column * cell), static_cast<float>(top));
    }
  }
}

}  // namespace

std::array<uint8_t, kGlyphRows> GlyphRows(char c) {
  for (const Glyph& glyph : kFont) {
    if (glyph.c == c) return glyph.rows;
  }
  return {};
}

std::string OverlayCells(const std::string& utf8_line) {
  std::string cells;
  for (size_t i = 0; i < utf8_line.size();) {
    char32_t code = 0;
    int length = SequenceLength(static_cast<unsigned char>(utf8_line[i]), code);
    for (int k = 1; k < length; ++k) {
      const size_t at = i + k;
      if (at >= utf8_line.size() || (utf8_line[at] & 0xC0) != 0x80) {
        length = 0;  // cut short: the lead byte alone is a blank
        break;
      }
      code = (code << 6) | (utf8_line[at] & 0x3F);
    }
    char shown = ' ';
    if (length == 1) {
      const char c = code >= 'a' && code <= 'z' ? char(code - 'a' + 'A') : char(code);
      if (c != ' ' && GlyphRows(c) != std::array<uint8_t, kGlyphRows>{}) shown = c;
    } else if (length > 1 && PlainPolishLetter(code) != 0) {
      shown = PlainPolishLetter(code);
    }
    cells += shown;
    i += std::max(length, 1);
  }
  return cells;
}

void DrawOverlay(const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  std::vector<std::string> cells;
  size_t columns = 0;
  for (const std::string& line : lines) {
    cells.push_back(OverlayCells(line));
    columns = std::max(columns, cells.back().size());
  }
  const FlatArea area = BeginFlatDrawing();
  const OverlayLayout layout = LayOutOverlay(static_cast<int>(cells.size()),
                                             static_cast<int>(columns),
                                             static_cast<int>(area.width),
                                             static_cast<int>(area.height));
  // A black panel, so that the text reads over any picture.
  glColor3f(0.0f, 0.0f, 0.0f);
  glBegin(GL_QUADS);
  FlatQuad(static_cast<float>(layout.panel_left), static_cast<float>(layout.panel_bottom),
           static_cast<float>(layout.panel_right), static_cast<float>(layout.panel_top));
  glEnd();

  // The text in the robot count's amber.
  glColor3f(1.0f, 0.85f, 0.3f);
  glBegin(GL_QUADS);
  for (size_t i = 0; i < cells.size(); ++i) {
    DrawTextLine(cells[i], layout.text_left,
                 layout.text_top - static_cast<int>(i) * layout.line_pitch, layout.cell);
  }
  glEnd();
  EndFlatDrawing();
}

int TextWidth(int columns, int cell) { return std::max(columns * kAdvance - 1, 0) * cell; }

void DrawTextLine(const std::string& cells, int left, int top, int cell) {
  for (size_t k = 0; k < cells.size(); ++k) {
    DrawGlyph(cells[k], left + static_cast<int>(k) * kAdvance * cell, top, cell);
  }
}

void DrawNote(const std::string& line) {
  const std::string cells = OverlayCells(line);
  if (cells.empty()) return;
  const FlatArea area = BeginFlatDrawing();
  const int height = static_cast<int>(area.height);
  const int cell = std::max(2 * height / kBaseHeight, 1);
  const int band = (kGlyphRows + 2 * kNotePadding) * cell;  // pixels high
  const int width = std::min(TextWidth(static_cast<int>(cells.size()), cell) +
                                 2 * kNotePadding * cell,
                             static_cast<int>(area.width));
  const int left = (static_cast<int>(area.width) - width) / 2;
  const int bottom = kNoteLift * cell;
  glColor3f(0.0f, 0.0f, 0.0f);
  glBegin(GL_QUADS);
  FlatQuad(static_cast<float>(left), static_cast<float>(bottom),
           static_cast<float>(left + width), static_cast<float>(bottom + band));
  glEnd();
  glColor3f(1.0f, 0.85f, 0.3f);
  glBegin(GL_QUADS);
  DrawTextLine(cells, left + kNotePadding * cell, bottom + band - kNotePadding * cell, cell);
  glEnd();
  EndFlatDrawing();
}

}  // namespace vorbexia
