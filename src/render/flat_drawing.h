// Flat drawing over the frame, in pixels of the viewport with (0, 0) at its
// lower left corner: no lighting, no texture, no depth test. The HUD and
// the text over the picture draw this way; the render state they found is
// put back afterwards.
#pragma once

namespace vorbexia {

struct FlatArea {
  float width = 0.0f;   // pixels
  float height = 0.0f;  // pixels
};

// Saves the whole render state and both matrices and sets up the flat
// drawing; returns the viewport's size.
FlatArea BeginFlatDrawing();

// Puts back what BeginFlatDrawing saved.
void EndFlatDrawing();

// One axis-aligned rectangle, inside glBegin(GL_QUADS) ... glEnd().
void FlatQuad(float x0, float y0, float x1, float y1);

}  // namespace vorbexia
