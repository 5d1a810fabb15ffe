#include "render/tile_blocks.h"

#include <cmath>

namespace vorbexia {
namespace {

// How near the edge of a cone (in the cosine of the angle from its axis) a
// point may lie before GL's single-precision lighting may see it on the
// other side: far more than that rounding.
constexpr double kConeMargin = 1e-3;
// How far from a block (world units) a robot or the shot keeps it apart:
// every mover lies within 0.75 of its origin, and below this height (the
// ceiling is far above).
constexpr float kMoverReach = 1.0f;
constexpr float kMoverTop = 1.0f;

constexpr double kPi = 3.14159265358979323846;

// The squared cosines of the lights' cut-offs, and of the cut-offs moved by
// the margin either way (every cut-off lies well below 90 degrees, so all
// are positive).
struct ConeEdges {
  std::array<double, kLightCount> edge, inner, outer;
};

ConeEdges EdgesOfCones() {
  ConeEdges edges{};
  for (int n = 0; n < kLightCount; ++n) {
    const double cosine = std::cos(static_cast<double>(kSpotCutoffs[n]) * kPi / 180.0);
    edges.edge[n] = cosine * cosine;
    edges.inner[n] = (cosine + kConeMargin) * (cosine + kConeMargin);
    edges.outer[n] = (cosine - kConeMargin) * (cosine - kConeMargin);
  }
  return edges;
}

// The lights whose cones hold the point, bit n for light n; -1 when the
// point lies at the edge of a cone, or inside light 0's, whose light
// changes with the angle. A point at or above a light lies outside its
// cone, which points straight down; below it, the cosine of the angle from
// straight down is the drop over the distance, compared here squared.
int LightKey(const WorldLights& lights, const ConeEdges& edges, float x, float y, float z) {
  int key = 0;
  for (int n = 0; n < kLightCount; ++n) {
    const double drop = static_cast<double>(lights[n].y) - y;
    if (drop <= 0.0) continue;
    const double dx = x - lights[n].x, dz = z - lights[n].z;
    const double cosine_squared = drop * drop / (dx * dx + drop * drop + dz * dz);
    if (cosine_squared > edges.outer[n] && cosine_squared < edges.inner[n]) return -1;
    if (cosine_squared > edges.edge[n]) {
      if (n == 0) return -1;
      key |= 1 << n;
    }
  }
  return key;
}

// Whether the closed intervals [a0, a1] and [b0, b1] meet.
bool Meet(float a0, float a1, float b0, float b1) { return a0 <= b1 && b0 <= a1; }

// How close to a wall's line the eye may come before it counts as on it.
constexpr float kOnTheLine = 1e-3f;  // world units

// Whether a wall's strips touch the closed square (x0, z0) to (x0 + side,
// z0 + side), its edges and corners included.
bool WallTouches(const WallSegment& wall, float x0, float z0, float side) {
  const float x1 = x0 + side, z1 = z0 + side;
  if (wall.x1 != wall.x2) {  // along x at z1; strips of whole units from the smaller end
    const float low = std::fmin(wall.x1, wall.x2);
    const float high = low + std::ceil(std::fabs(wall.x2 - wall.x1));
    return Meet(wall.z1, wall.z1, z0, z1) && Meet(low, high, x0, x1);
  }
  if (wall.z1 != wall.z2) {
    const float low = std::fmin(wall.z1, wall.z2);
    const float high = low + std::ceil(std::fabs(wall.z2 - wall.z1));
    return Meet(wall.x1, wall.x1, x0, x1) && Meet(low, high, z0, z1);
  }
  return false;
}

// For a wall touching the square: the side it stands on (bit 0 the side at
// z0, 1 at x0 + side, 2 at z0 + side, 3 at x0, as OutlineOf goes round),
// when the square lies on the eye's side of it; 0 when the wall crosses
// the square or the square lies behind it (or the eye on its line). A
// floor in front of a wall meets it only along the wall's foot, the two
// sharing that edge, so neither covers a pixel of the other; a floor behind
// it lies on the screen just beyond that foot, at nearly its depth.
int SideSeenFromTheEye(const WallSegment& wall, float x0, float z0, float side,
                       const GroundPoint& eye) {
  const bool along_x = wall.x1 != wall.x2;
  const float line = along_x ? wall.z1 : wall.x1;
  const float low = along_x ? z0 : x0;
  const float eye_across = along_x ? eye.z : eye.x;
  if (line == low) {
    if (eye_across <= line + kOnTheLine) return 0;
    return along_x ? 1 << 0 : 1 << 3;
  }
  if (line == low + side) {
    if (eye_across >= line - kOnTheLine) return 0;
    return along_x ? 1 << 2 : 1 << 1;
  }
  return 0;
}

bool MoverNear(float mx, float mz, float x0, float z0, float side) {
  return Meet(mx - kMoverReach, mx + kMoverReach, x0, x0 + side) &&
         Meet(mz - kMoverReach, mz + kMoverReach, z0, z0 + side);
}

// The light key of every tile corner of the plan's blocks, row by row
// along x, and what it was worked out from.
struct CornerKeys {
  WorldLights lights;
  ConeEdges edges;
  int width = 0;
  std::vector<int> keys;
  int At(int a, int b) const { return keys[static_cast<size_t>(b) * width + a]; }
};

// Whether the block may be joined; `walled` gets the sides a wall stands on.
bool BlockJoins(const GameState& state, const CornerKeys& corners, const GroundPoint& eye,
                float height, int block_x, int block_z, float x0, float z0,
                uint8_t& walled) {
  const float side = static_cast<float>(kBlockTiles);
  walled = 0;
  for (const WallSegment& wall : state.walls) {
    if (!WallTouches(wall, x0, z0, side)) continue;
    const int seen = SideSeenFromTheEye(wall, x0, z0, side, eye);
    if (seen == 0) return false;
    walled = static_cast<uint8_t>(walled | seen);
  }
  if (height < kMoverTop) {
    for (const RobotState& robot : state.robots) {
      if (MoverNear(robot.x, robot.z, x0, z0, side)) return false;
    }
    if (state.shot.active && MoverNear(state.shot.x, state.shot.z, x0, z0, side)) return false;
  }
  const int a0 = block_x * kBlockTiles, b0 = block_z * kBlockTiles;
  const int key = corners.At(a0, b0);
  if (key < 0) return false;
  for (int b = b0; b <= b0 + kBlockTiles; ++b) {
    for (int a = a0; a <= a0 + kBlockTiles; ++a) {
      if (corners.At(a, b) != key) return false;
    }
  }
  // The block's middle, where its fan of triangles meets, is lit too.
  const float middle = side / 2;
  return LightKey(corners.lights, corners.edges, x0 + middle, height, z0 + middle) == key;
}

}  // namespace

TilePlan PlanTileBlocks(const GameState& state, float height, const WorldLights& lights,
                        const GroundPoint& eye) {
  TilePlan plan;
  const FloorRect& floor = state.floor;
  plan.i0 = static_cast<int>(floor.x_min);  // truncated toward zero, as the tiles
  plan.j0 = static_cast<int>(floor.z_min);
  int columns = 0, rows = 0;
  for (int i = plan.i0; static_cast<float>(i) < floor.x_max; ++i) ++columns;
  for (int j = plan.j0; static_cast<float>(j) < floor.z_max; ++j) ++rows;
  plan.columns = columns / kBlockTiles;
  plan.rows = rows / kBlockTiles;
  plan.joined.assign(static_cast<size_t>(plan.columns) * plan.rows, 0);
  plan.walled.assign(plan.joined.size(), 0);
  CornerKeys corners;
  corners.lights = lights;
  corners.edges = EdgesOfCones();
  corners.width = plan.columns * kBlockTiles + 1;
  for (int b = 0; b <= plan.rows * kBlockTiles; ++b) {
    for (int a = 0; a < corners.width; ++a) {
      corners.keys.push_back(LightKey(lights, corners.edges, static_cast<float>(plan.i0 + a),
                                      height, static_cast<float>(plan.j0 + b)));
    }
  }
  for (int bz = 0; bz < plan.rows; ++bz) {
    for (int bx = 0; bx < plan.columns; ++bx) {
      const float x0 = static_cast<float>(plan.i0 + bx * kBlockTiles);
      const float z0 = static_cast<float>(plan.j0 + bz * kBlockTiles);
      const size_t index = static_cast<size_t>(bz) * plan.columns + bx;
      plan.joined[index] =
          BlockJoins(state, corners, eye, height, bx, bz, x0, z0, plan.walled[index]);
    }
  }
  return plan;
}

BlockOutline OutlineOf(const TilePlan& plan, int block_x, int block_z, float height) {
  const float x0 = static_cast<float>(plan.i0 + block_x * kBlockTiles);
  const float z0 = static_cast<float>(plan.j0 + block_z * kBlockTiles);
  const float side = static_cast<float>(kBlockTiles);
  BlockOutline outline;
  outline.middle = WorldPoint{x0 + side / 2, height, z0 + side / 2};
  // The four sides from their first corner: the corner, its step along the
  // side, and the block across the side.
  struct Side {
    float x, z, dx, dz;
    int across_x, across_z;
  };
  const Side sides[4] = {
      {x0, z0, 1, 0, block_x, block_z - 1},
      {x0 + side, z0, 0, 1, block_x + 1, block_z},
      {x0 + side, z0 + side, -1, 0, block_x, block_z + 1},
      {x0, z0 + side, 0, -1, block_x - 1, block_z},
  };
  const uint8_t walled = plan.walled[static_cast<size_t>(block_z) * plan.columns + block_x];
  for (int k = 0; k < 4; ++k) {
    const Side& s = sides[k];
    const bool whole = plan.Joined(s.across_x, s.across_z) && (walled & (1 << k)) == 0;
    const int steps = whole ? 1 : kBlockTiles;
    const float step = side / static_cast<float>(steps);
    for (int n = 0; n < steps; ++n) {
      const float along = step * static_cast<float>(n);
      outline.points.push_back(WorldPoint{s.x + s.dx * along, height, s.z + s.dz * along});
    }
  }
  return outline;
}

}  // namespace vorbexia
