#include "render/hud.h"

#include "render/gl_api.h"

#include <string>

namespace vorbexia {
namespace {

constexpr float kCrossArm = 7.0f;    // pixels from the middle to an arm's end
constexpr float kCrossGap = 2.0f;    // pixels left open around the middle
constexpr float kCrossWidth = 1.0f;  // half an arm's thickness, pixels
constexpr float kDigitWidth = 12.0f;   // pixels
constexpr float kDigitHeight = 22.0f;  // pixels
constexpr float kSegment = 3.0f;       // a segment's thickness, pixels
constexpr float kMargin = 16.0f;       // from the viewport's corner, pixels

void Quad(float x0, float y0, float x1, float y1) {
  glVertex2f(x0, y0);
  glVertex2f(x1, y0);
  glVertex2f(x1, y1);
  glVertex2f(x0, y1);
}

void DrawCrosshair(float cx, float cy) {
  glColor3f(0.6f, 1.0f, 0.6f);
  Quad(cx - kCrossArm, cy - kCrossWidth, cx - kCrossGap, cy + kCrossWidth);
  Quad(cx + kCrossGap, cy - kCrossWidth, cx + kCrossArm, cy + kCrossWidth);
  Quad(cx - kCrossWidth, cy - kCrossArm, cx + kCrossWidth, cy - kCrossGap);
  Quad(cx - kCrossWidth, cy + kCrossGap, cx + kCrossWidth, cy + kCrossArm);
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
    if (on & (1u << s)) Quad(bars[s][0], bars[s][1], bars[s][2], bars[s][3]);
  }
}

void DrawCount(int count, float x, float y) {
  glColor3f(1.0f, 0.85f, 0.3f);
  const std::string digits = std::to_string(count);
  for (char c : digits) {
    DrawDigit(c - '0', x, y);
    x += kDigitWidth + kSegment * 2;
  }
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

void DrawHud(const GameState& state) {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  const float width = static_cast<float>(viewport[2]);
  const float height = static_cast<float>(viewport[3]);

  glPushAttrib(GL_ALL_ATTRIB_BITS);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_DEPTH_TEST);

  glBegin(GL_QUADS);
  DrawCrosshair(width / 2, height / 2);
  DrawCount(RobotsStanding(state), kMargin, height - kMargin - kDigitHeight);
  glEnd();

  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopAttrib();
}

}  // namespace vorbexia
