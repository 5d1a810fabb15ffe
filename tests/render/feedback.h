// Captures what a drawing emits, in world coordinates, through GL's feedback
// mode: an orthographic view maps world units one to one onto window units,
// so the recorded vertices are the drawing's own (after its modelview
// matrix). Mesa hands quads back as two triangles each; QuadsOf rejoins them.
#pragma once

#include <functional>
#include <vector>

namespace vorbexia {

struct FeedbackVertex {
  float x, y, z;  // world units, after the modelview matrix
  float s, t;     // texture coordinates
};

using FeedbackTriangle = std::vector<FeedbackVertex>;
using FeedbackQuad = std::vector<FeedbackVertex>;

// Runs draw() in feedback mode with the identity as modelview matrix (the
// drawing may change it) and returns every triangle it produced, in order.
// Coordinates must lie within 100 world units of the origin.
std::vector<FeedbackTriangle> CaptureTriangles(const std::function<void()>& draw);

// Rejoins triangles (a, b, d), (b, c, d) into quads (a, b, c, d). Fails the
// current test when the triangles do not pair up that way.
std::vector<FeedbackQuad> QuadsOf(const std::vector<FeedbackTriangle>& triangles);

// The box around all vertices: minimum and maximum of x, y and z.
struct Extent {
  float min[3];
  float max[3];
};
Extent ExtentOf(const std::vector<FeedbackTriangle>& triangles);

}  // namespace vorbexia
