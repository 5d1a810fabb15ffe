#include "render/hud.h"

#include "render/gl_api.h"

#include <string>

#include "render/flat_drawing.h"
#include "render/overlay.h"

namespace vorbexia {
namespace {

constexpr float kCrossArm = 7.0f;    // pixels from the middle to an arm's end
constexpr float kCrossGap = 2.0f;    // pixels left open around the middle
constexpr float kCrossWidth = 1.0f;  // half an arm's thickness, pixels
constexpr float kDigitWidth = 12.0f;   // pixels
constexpr float kDigitHeight = 22.0f;  // pixels
constexpr float kSegment = 3.0f;       // a segment's thickness, pixels
constexpr float kMargin = 16.0f;       // from the viewport's corner, pixels
constexpr int kLabelCell = 2;   // pixels a font cell of the count's label
constexpr int kClockCell = 3;   // pixels a font cell of the clock (21 high)

void DrawCrosshair(float cx, float cy) {
  glColor3f(0.6f, 1.0f, 0.6f);
  FlatQuad(cx - kCrossArm, cy - kCrossWidth, cx - kCrossGap, cy + kCrossWidth);
  FlatQuad(cx + kCrossGap, cy - kCrossWidth, cx + kCrossArm, cy + kCrossWidth);
  FlatQuad(cx - kCrossWidth, cy - kCrossArm, cx + kCrossWidth, cy - kCrossGap);
  FlatQuad(cx - kCrossWidth, cy + kCrossGap, cx + kCrossWidth, cy + kCrossArm);
}

// One digit with its lower left corner at (x, y), y growing upwards.
void DrawDigit(int digit, float x, float y) {
  const uint8_t on = DigitSegments(digit);
  const float w = kDigitWidth, h = kDigitHeight, t = kSegment, m = h / 2;
  const float bars[7][4] = {
      {x, y + h - t, x + w, y + h},          // a: top
      {x + w - t, y + m, x + w, y + h},      // b: upper right
      {x + w - t, y, x + w, y + m},          // c: lower right
      {x, y, x + w, y + t},                  // d: bottom
      {x, y, x + t, y + m},                  // e: lower left
      {x, y + m, x + t, y + h},              // f: upper left
      {x, y + m - t / 2, x + w, y + m + t / 2},  // g: middle
  };
  for (int s = 0; s < 7; ++s) {
    if (on & (1u << s)) FlatQuad(bars[s][0], bars[s][1], bars[s][2], bars[s][3]);
  }
}

// The count's digits in amber, and their label after them.
void DrawCount(int count, const std::string& label, float x, float y) {
  glColor3f(1.0f, 0.85f, 0.3f);
  const std::string digits = std::to_string(count);
  for (char c : digits) {
    DrawDigit(c - '0', x, y);
    x += kDigitWidth + kSegment * 2;
  }
  // The label's letters stand on the digits' baseline.
  const int label_top = static_cast<int>(y) + kGlyphRows * kLabelCell;
  DrawTextLine(OverlayCells(label), static_cast<int>(x + kSegment), label_top, kLabelCell);
}

// The time played, its right edge kMargin from the viewport's right.
void DrawClock(const std::string& clock, float width, float top) {
  const std::string cells = OverlayCells(clock);
  const int text_width = TextWidth(static_cast<int>(cells.size()), kClockCell);
  DrawTextLine(cells, static_cast<int>(width - kMargin) - text_width, static_cast<int>(top),
               kClockCell);
}

}  // namespace

uint8_t DigitSegments(int digit) {
  static constexpr uint8_t kDigits[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                          0x6D, 0x7D, 0x07, 0x7F, 0x6F};
  return digit >= 0 && digit <= 9 ? kDigits[digit] : 0;
}

int RobotsStanding(const GameState& state) {
  int standing = 0;
  for (const RobotState& robot : state.robots) standing += robot.hp > 0;
  return standing;
}

void DrawHud(const GameState& state, const HudText& text) {
  const FlatArea area = BeginFlatDrawing();
  glBegin(GL_QUADS);
  DrawCrosshair(area.width / 2, area.height / 2);
  DrawCount(RobotsStanding(state), text.robots, kMargin, area.height - kMargin - kDigitHeight);
  DrawClock(text.clock, area.width, area.height - kMargin);
  glEnd();
  EndFlatDrawing();
}

}  // namespace vorbexia
