// Floor and ceiling tiles that may be drawn as one block. The maze is lit
// at the corners of its quads, so a block may stand in for its tiles only
// where every corner inside it gets the very same colour: the same lights
// shine on each (their cones point straight down and light only what lies
// below them), and none of those lights lights it by its angle (light 0 is
// the one with a diffuse colour). There the block gives the tiles' pixels
// with far fewer triangles. Blocks are left alone where a wall crosses them
// or stands between them and the eye, or a robot may stand, since there
// the floor meets another surface at nearly the same depth and rounding
// decides which one shows. The maze's walls all stand on lines 5 units
// apart, so blocks of 5 tiles have walls only along their sides.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "render/lights.h"
#include "render/view_volume.h"
#include "world/game_state.h"
#include "world/heading.h"

namespace vorbexia {

constexpr int kBlockTiles = 5;  // tiles along each side of a block

// The blocks of one surface (the floor at height 0, or the ceiling), laid
// over the floor rectangle from its first tile on; blocks that reach past
// the rectangle are never joined.
struct TilePlan {
  int i0 = 0, j0 = 0;         // the first tile's column (x) and row (z)
  int columns = 0, rows = 0;  // whole blocks along x and along z
  std::vector<uint8_t> joined;  // per block, row by row along x
  std::vector<uint8_t> walled;  // per block, the sides a wall stands on

  bool Joined(int block_x, int block_z) const {
    return block_x >= 0 && block_z >= 0 && block_x < columns && block_z < rows &&
           joined[static_cast<size_t>(block_z) * columns + block_x] != 0;
  }
  // The block a tile belongs to, when that block is joined.
  bool TileJoined(int i, int j) const {
    return i >= i0 && j >= j0 &&
           Joined((i - i0) / kBlockTiles, (j - j0) / kBlockTiles);
  }
};

// Light positions in world coordinates (x, y, z).
using WorldLights = std::array<WorldPoint, kLightCount>;

// The blocks of the surface at `height` as the eye at `eye` sees them.
TilePlan PlanTileBlocks(const GameState& state, float height, const WorldLights& lights,
                        const GroundPoint& eye);

// The corners of a joined block's outline, anticlockwise seen from above
// (from its corner at the smallest x and z), with the tile corners of
// each side whose neighbour is not joined or that a wall stands on (so
// that no edge of a lone tile or a wall strip ends in the middle of a
// block's edge), and its middle point.
struct BlockOutline {
  std::vector<WorldPoint> points;
  WorldPoint middle;
};

BlockOutline OutlineOf(const TilePlan& plan, int block_x, int block_z, float height);

}  // namespace vorbexia
