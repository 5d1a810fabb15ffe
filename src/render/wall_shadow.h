// Tiles hidden behind a wall. Every wall stands from the floor up to the
// ceiling, so a floor or ceiling tile that lies, seen from above, wholly in
// the shadow one wall casts from the eye is covered by that wall on screen,
// and the wall, drawn first and nearer, wins every one of its pixels.
#pragma once

#include <array>

#include "render/view_volume.h"
#include "world/game_state.h"
#include "world/heading.h"

namespace vorbexia {

// The shadow of one straight wall from the eye, in the floor plane: the
// points beyond the wall's line, between the rays from the eye through the
// wall's two ends. A wall that casts none (seen edge-on, or not straight)
// has `casts` false.
struct WallShadow {
  bool casts = false;
  double eye_x = 0, eye_z = 0;
  double line_x = 0, line_z = 0, line_d = 0;  // unit normal, away from the eye
  double ray1_x = 0, ray1_z = 0;              // unit normals of the two rays,
  double ray2_x = 0, ray2_z = 0;              // pointing into the shadow
};

using WallShadows = std::array<WallShadow, kWallCount>;

WallShadow ShadowOf(const WallSegment& wall, const GroundPoint& eye);
WallShadows ShadowsOf(const std::array<WallSegment, kWallCount>& walls,
                      const GroundPoint& eye);

// True when all four corners lie deep inside one shadow: at least half a
// unit beyond the wall's line (so a tile touching the wall is always kept)
// and, sideways, well over two pixels' worth of angle inside the rays
// through the wall's ends.
bool QuadBehindWall(const WallShadows& shadows, const QuadCorners& corners);

}  // namespace vorbexia
