// Measures a model by its silhouette: drawn flat white on black under an
// orthographic view of the cube -1..1 (world units) onto a 400 x 400 pixel
// viewport, once from the front (x and y) and once from the side (z), and
// read back. One pixel is 0.005 world units. Feedback mode cannot be used for
// display lists of quadrics: Mesa's software drivers crash on them.
#pragma once

#include <functional>

#include "render/feedback.h"

namespace vorbexia {

constexpr int kSilhouetteSize = 400;         // pixels; the context must be at least this big
constexpr float kSilhouettePixel = 0.005f;   // world units per pixel

// draw() runs with the identity as modelview matrix (it may change it),
// twice. Lighting and texturing are off while it runs.
Extent SilhouetteExtent(const std::function<void()>& draw);

}  // namespace vorbexia
