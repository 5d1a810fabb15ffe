// Triangles cut at the near plane on the CPU, as Mesa's clipper cuts them:
// in clip coordinates, every attribute taken linearly along the cut edges.
// The browser's rasterizer (SwiftShader) draws a triangle with a corner
// behind the eye otherwise: its texture coordinates and colours come out
// flat over part of it.
#pragma once

#include <array>

#include "fixedgl/vertex.h"

namespace fixedgl {

// Whether the vertex lies behind the near plane (z + w < 0).
bool BehindNear(const EyeVertex& v);

// The part of triangle (a, b, c) in front of the near plane, as a polygon
// of up to four vertices in Mesa's order; returns their count (0 when the
// whole triangle lies behind). The vertices' colours must be their final
// ones (lit), since they are taken linearly too.
int ClipNear(const EyeVertex& a, const EyeVertex& b, const EyeVertex& c,
             std::array<EyeVertex, 4>& polygon);

}  // namespace fixedgl
