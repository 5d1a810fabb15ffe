#include "render/scene.h"

#include "render/gl_api.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "render/lights.h"
#include "render/movers.h"
#include "render/tile_blocks.h"
#include "render/view_volume.h"
#include "world/heading.h"

namespace vorbexia {
namespace {

constexpr float kEyeHeight = 0.45f;   // world units above the floor
constexpr float kWallHeight = 1.5f;   // also the ceiling's height
constexpr float kGunHeight = 0.35f;   // 0.1 below the eye
constexpr float kGunReach = 0.1f;     // ahead of the viewer

// A textured quad: the slot's texture, then four vertices, each after its
// texture coordinate (0, 0), (1, 0), (1, 1), (0, 1). No normal and no
// colour: the quad is lit with whatever normal is current.
void DrawTexturedQuad(GLuint texture, const QuadCorners& corners) {
  static constexpr float kTexCoords[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  glBindTexture(GL_TEXTURE_2D, texture);
  glBegin(GL_QUADS);
  for (int v = 0; v < 4; ++v) {
    glTexCoord2f(kTexCoords[v][0], kTexCoords[v][1]);
    glVertex3f(corners[v].x, corners[v].y, corners[v].z);
  }
  glEnd();
}

// The same quad as part of the maze. A quad wholly outside the view volume
// colours no pixel, and one behind a wall loses every pixel to the wall, so
// their vertices are left out; their texture is still
// bound. That keeps the quads around it apart as they were: Mesa joins
// quads with one texture in a row into a single draw, and its software
// renderer (llvmpipe) shades the quads of a joined draw differently from a
// lone quad, by up to 23 levels inside a tile where the spot lights change
// fast. So a floor tile must never end up next to another floor tile.
void DrawMazeQuad(GLuint texture, const QuadCorners& corners,
                  const Sight& sight) {
  if (QuadOutside(sight.view, corners) || QuadBehindWall(sight.shadows, corners)) {
    glBindTexture(GL_TEXTURE_2D, texture);
  } else {
    DrawTexturedQuad(texture, corners);
  }
}

// The corners of the three maze quads, in their drawing order.
QuadCorners WallStripCorners(float x1, float z1, float x2, float z2) {
  return {{{x1, 0.0f, z1}, {x2, 0.0f, z2}, {x2, kWallHeight, z2}, {x1, kWallHeight, z1}}};
}

QuadCorners TileCorners(float height, float x0, float z0, float x1, float z1) {
  return {{{x0, height, z0}, {x0, height, z1}, {x1, height, z1}, {x1, height, z0}}};
}

// Unit strips from `low` on, while the strip's index is below `length`
// (so a length of 2.5 gives three strips). Each start is rounded to a float,
// and its end is that start plus 1, rounded again.
template <typename DrawStrip>
void ForEachUnitStrip(float low, float length, DrawStrip draw_strip) {
  for (int k = 0; static_cast<float>(k) < length; ++k) {
    const float start = low + static_cast<float>(k);
    draw_strip(start, start + 1.0f);
  }
}

// The camera: turn the world by 360 - heading degrees about y, so that a
// heading of 180 looks along +z.
float CameraAngle(float heading) { return 360.0f - heading; }

// Every robot, standing (origin 0.3 up) or lying (0.1 up), and the shot
// (0.25 up) lies within 0.6 world units of its origin, and so within this
// ball around (x, 0.2, z).
constexpr float kMoverBallHeight = 0.2f;  // world units
constexpr float kMoverBallRadius = 0.75f;

// With `shadows`, a mover whose ball lies, seen from above, wholly in the
// shadow of one wall is hidden too: the wall covers all of it that stands
// above the floor, and the floor in front of the wall all below.
bool MoverMayShow(const ViewVolume& view, const WallShadows* shadows, float x, float z) {
  if (BallOutside(view, WorldPoint{x, kMoverBallHeight, z}, kMoverBallRadius)) return false;
  if (shadows == nullptr) return true;
  const float r = kMoverBallRadius;
  const QuadCorners square{{{x - r, kMoverBallHeight, z - r}, {x - r, kMoverBallHeight, z + r},
                            {x + r, kMoverBallHeight, z + r}, {x + r, kMoverBallHeight, z - r}}};
  return !QuadBehindWall(*shadows, square);
}

// The shot and robots 0 to 4, each drawn in a push/pop pair of its own,
// from the camera transform, as the world's step left them. The shot is
// drawn only while it is active: after the step, exactly when that step was
// free (a shot that was not flying stays inactive, and a blocked step ends
// it).
//
// A mover wholly outside the view volume (or, given the walls' shadows,
// behind a wall) is not drawn. Each model binds its own texture and brings
// its own normals, and the gun does the same, so nothing drawn later
// depends on it.
void DrawMovers(const GameState& state, const GlResources& resources,
                const RobotFlashes& flashes, const ViewVolume& view,
                const WallShadows* shadows = nullptr) {
  glPushMatrix();
  if (state.shot.active && MoverMayShow(view, shadows, state.shot.x, state.shot.z)) {
    DrawShot(state, resources);
  }
  glPopMatrix();
  for (int i = 0; i < kRobotCount; ++i) {
    glPushMatrix();
    const RobotState& robot = state.robots[i];
    if (MoverMayShow(view, shadows, robot.x, robot.z)) {
      DrawRobot(state, resources, i, flashes[i]);
    }
    glPopMatrix();
  }
}

// How many tiles run from `low` (truncated toward zero) while their start
// lies below `high`, as the reference lays them.
int TileCount(float low, float high) {
  int count = 0;
  for (int i = static_cast<int>(low); static_cast<float>(i) < high; ++i) ++count;
  return count;
}

// Projection x modelview in single precision, as the GL transforms vertices.
struct ClipTransform {
  std::array<float, 16> m;  // column-major
};

ClipTransform CurrentClipTransform() {
  std::array<float, 16> projection{}, modelview{};
  glGetFloatv(GL_PROJECTION_MATRIX, projection.data());
  glGetFloatv(GL_MODELVIEW_MATRIX, modelview.data());
  ClipTransform clip{};
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 4; ++row) {
      float sum = 0.0f;
      for (int k = 0; k < 4; ++k) sum += projection[k * 4 + row] * modelview[column * 4 + k];
      clip.m[column * 4 + row] = sum;
    }
  }
  return clip;
}

// Whether a corner lies outside the clip volume (-w <= x, y, z <= w).
bool AnyCornerOutside(const ClipTransform& clip, const QuadCorners& corners) {
  const std::array<float, 16>& m = clip.m;
  for (const WorldPoint& p : corners) {
    float c[4];
    for (int row = 0; row < 4; ++row) {
      c[row] = m[row] * p.x + m[4 + row] * p.y + m[8 + row] * p.z + m[12 + row];
    }
    for (int i = 0; i < 3; ++i) {
      if (c[i] > c[3] || c[i] < -c[3]) return true;
    }
  }
  return false;
}

// A textured maze quad as two triangles, cut along the diagonal Mesa cuts
// it along when drawn as a quad: a run of quads none of whose corners lies
// outside the clip volume reaches the rasterizer whole and is cut along its
// first and third corners; otherwise the run goes through the clipper,
// which cuts each quad along its second and fourth. With the colours lit at
// the corners the cut shows (by up to 23 levels where the spot lights
// change fast), so the fast drawing keeps each quad's cut as the reference
// has it. Inside glBegin(GL_TRIANGLES).
void EmitQuadTriangles(const QuadCorners& corners, bool clipped) {
  static constexpr float kTexCoords[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  static constexpr int kWhole[6] = {0, 1, 2, 0, 2, 3};
  static constexpr int kClipped[6] = {0, 1, 3, 1, 2, 3};
  for (const int v : clipped ? kClipped : kWhole) {
    glTexCoord2f(kTexCoords[v][0], kTexCoords[v][1]);
    glVertex3f(corners[v].x, corners[v].y, corners[v].z);
  }
}

// A joined block as a fan of triangles around its middle. Texture s runs
// along z and t along x from the block's corner (x0, z0), a whole picture
// per unit as on each tile; the textures repeat.
void EmitBlock(const BlockOutline& outline, float x0, float z0) {
  auto vertex = [&](const WorldPoint& p) {
    glTexCoord2f(p.z - z0, p.x - x0);
    glVertex3f(p.x, p.y, p.z);
  };
  const size_t n = outline.points.size();
  for (size_t k = 0; k < n; ++k) {
    vertex(outline.middle);
    vertex(outline.points[k]);
    vertex(outline.points[(k + 1) % n]);
  }
}

}  // namespace

void DrawWallStrip(const TextureTable& textures, float x1, float z1, float x2,
                   float z2) {
  DrawTexturedQuad(textures[kTextureBrick], WallStripCorners(x1, z1, x2, z2));
}

void DrawFloorTile(const TextureTable& textures, float x0, float z0, float x1,
                   float z1) {
  DrawTexturedQuad(textures[kTextureFloor], TileCorners(0.0f, x0, z0, x1, z1));
}

void DrawCeilingTile(const TextureTable& textures, float x0, float z0,
                     float x1, float z1) {
  DrawTexturedQuad(textures[kTextureCeiling],
                   TileCorners(kWallHeight, x0, z0, x1, z1));
}

void DrawWall(const TextureTable& textures, const WallSegment& wall) {
  if (wall.x1 != wall.x2) {
    // Along x; z1 and z2 go to every strip unchanged.
    ForEachUnitStrip(std::fmin(wall.x1, wall.x2), std::fabs(wall.x2 - wall.x1),
                     [&](float start, float end) {
                       DrawWallStrip(textures, start, wall.z1, end, wall.z2);
                     });
  } else if (wall.z1 != wall.z2) {
    ForEachUnitStrip(std::fmin(wall.z1, wall.z2), std::fabs(wall.z2 - wall.z1),
                     [&](float start, float end) {
                       DrawWallStrip(textures, wall.x1, start, wall.x1, end);
                     });
  }
}

void DrawFloorAndCeiling(const TextureTable& textures, const FloorRect& floor,
                         const Sight& sight) {
  const int i0 = static_cast<int>(floor.x_min);  // truncated toward zero
  const int j0 = static_cast<int>(floor.z_min);
  for (int i = i0; static_cast<float>(i) < floor.x_max; ++i) {
    const float x0 = static_cast<float>(i);
    const float x1 = static_cast<float>(i + 1);
    for (int j = j0; static_cast<float>(j) < floor.z_max; ++j) {
      const float z0 = static_cast<float>(j);
      const float z1 = static_cast<float>(j + 1);
      DrawMazeQuad(textures[kTextureFloor], TileCorners(0.0f, x0, z0, x1, z1), sight);
      DrawMazeQuad(textures[kTextureCeiling],
                   TileCorners(kWallHeight, x0, z0, x1, z1), sight);
    }
  }
}

void DrawMaze(const GameState& state, const TextureTable& textures,
              const Sight& sight) {
  // The walls are one run of quads with one texture, which Mesa draws as
  // one; all 320 strips are kept so that run stays as it is.
  for (const WallSegment& wall : state.walls) DrawWall(textures, wall);
  DrawFloorAndCeiling(textures, state.floor, sight);
  // Every maze quad ends on texture coordinate (0, 1), and the robots' heads
  // and the shot, which carry no coordinates of their own, are sampled at
  // the current one. Set it here as the whole maze leaves it, whichever
  // quads the view left out.
  glTexCoord2f(0.0f, 1.0f);
}

void DrawMazeNearToFar(const GameState& state, const TextureTable& textures,
                       const Sight& sight, float px, float pz) {
  const ClipTransform clip = CurrentClipTransform();
  // The walls are flat upright quads, every one standing from the floor to
  // the ceiling, so the ground plan decides what hides what: a strip whose
  // foot lies wholly in the shadow of one nearer wall is covered by it.
  struct Strip {
    QuadCorners corners;
    float distance_squared;  // from the eye to the strip's nearest point
  };
  std::vector<Strip> strips;
  strips.reserve(400);
  bool walls_clipped = false;  // as the reference's run of all 320 strips
  auto keep_if_seen = [&](float x1, float z1, float x2, float z2) {
    const QuadCorners corners = WallStripCorners(x1, z1, x2, z2);
    walls_clipped = walls_clipped || AnyCornerOutside(clip, corners);
    if (QuadOutside(sight.view, corners) || QuadBehindWall(sight.shadows, corners)) return;
    // The nearest point of the foot: the eye projected onto it, clamped.
    const float dx = x2 - x1, dz = z2 - z1;
    const float along = std::clamp(((px - x1) * dx + (pz - z1) * dz) / (dx * dx + dz * dz),
                                   0.0f, 1.0f);
    const float ex = x1 + along * dx - px, ez = z1 + along * dz - pz;
    strips.push_back(Strip{corners, ex * ex + ez * ez});
  };
  for (const WallSegment& wall : state.walls) {
    if (wall.x1 != wall.x2) {
      ForEachUnitStrip(std::fmin(wall.x1, wall.x2), std::fabs(wall.x2 - wall.x1),
                       [&](float start, float end) {
                         keep_if_seen(start, wall.z1, end, wall.z2);
                       });
    } else if (wall.z1 != wall.z2) {
      ForEachUnitStrip(std::fmin(wall.z1, wall.z2), std::fabs(wall.z2 - wall.z1),
                       [&](float start, float end) {
                         keep_if_seen(wall.x1, start, wall.x1, end);
                       });
    }
  }
  std::stable_sort(strips.begin(), strips.end(), [](const Strip& a, const Strip& b) {
    return a.distance_squared < b.distance_squared;
  });
  glBindTexture(GL_TEXTURE_2D, textures[kTextureBrick]);
  glBegin(GL_TRIANGLES);
  for (const Strip& strip : strips) EmitQuadTriangles(strip.corners, walls_clipped);
  glEnd();

  // Floor and ceiling: every tile the reference draws alone, each cut as
  // its own lone quad is, but all floor tiles in one draw and all ceiling
  // tiles in another instead of 4,200 draws; and where the lights cannot
  // tell the tiles of a block apart, the block instead of its tiles.
  WorldLights lights{};
  const std::array<LightPosition, kLightCount> placed = LightPositions(px, pz);
  for (int n = 0; n < kLightCount; ++n) {
    lights[n] = WorldPoint{placed[n][0] + px, placed[n][1] + kEyeHeight, placed[n][2] + pz};
  }
  for (const float height : {0.0f, kWallHeight}) {
    const TilePlan plan = PlanTileBlocks(state, height, lights, GroundPoint{px, pz});
    // Block by block: a block that cannot be seen as a whole (its corners
    // beyond one plane of the view, or in one wall's shadow, both convex)
    // has no tile that can, so its tiles need no test of their own.
    std::vector<QuadCorners> tiles;
    std::vector<std::array<int, 2>> blocks;
    tiles.reserve(1024);
    const int columns = TileCount(state.floor.x_min, state.floor.x_max);
    const int rows = TileCount(state.floor.z_min, state.floor.z_max);
    for (int bz = 0; bz * kBlockTiles < rows; ++bz) {
      for (int bx = 0; bx * kBlockTiles < columns; ++bx) {
        const int i_begin = plan.i0 + bx * kBlockTiles;
        const int j_begin = plan.j0 + bz * kBlockTiles;
        const int i_end = std::min(i_begin + kBlockTiles, plan.i0 + columns);
        const int j_end = std::min(j_begin + kBlockTiles, plan.j0 + rows);
        const QuadCorners block =
            TileCorners(height, static_cast<float>(i_begin), static_cast<float>(j_begin),
                        static_cast<float>(i_end), static_cast<float>(j_end));
        if (QuadOutside(sight.view, block) || QuadBehindWall(sight.shadows, block)) continue;
        if (plan.Joined(bx, bz)) {
          blocks.push_back({bx, bz});
          continue;
        }
        for (int i = i_begin; i < i_end; ++i) {
          for (int j = j_begin; j < j_end; ++j) {
            const QuadCorners corners =
                TileCorners(height, static_cast<float>(i), static_cast<float>(j),
                            static_cast<float>(i + 1), static_cast<float>(j + 1));
            if (QuadOutside(sight.view, corners) || QuadBehindWall(sight.shadows, corners)) {
              continue;
            }
            tiles.push_back(corners);
          }
        }
      }
    }
    glBindTexture(GL_TEXTURE_2D, textures[height == 0.0f ? kTextureFloor : kTextureCeiling]);
    glBegin(GL_TRIANGLES);
    for (const QuadCorners& tile : tiles) EmitQuadTriangles(tile, AnyCornerOutside(clip, tile));
    for (const auto& [bx, bz] : blocks) {
      EmitBlock(OutlineOf(plan, bx, bz, height),
                static_cast<float>(plan.i0 + bx * kBlockTiles),
                static_cast<float>(plan.j0 + bz * kBlockTiles));
    }
    glEnd();
  }
  glTexCoord2f(0.0f, 1.0f);
}

void DrawWeapon(const GameState& state, const GlResources& resources, float px,
                float pz) {
  const float heading = state.player.heading;
  glBindTexture(GL_TEXTURE_2D, resources.textures[kTextureGun]);
  // 0.1 ahead along the heading, rounded as every mover's step is.
  const GroundPoint gun = PointAhead(px, pz, heading, kGunReach);
  glTranslatef(gun.x, kGunHeight, gun.z);
  glRotatef(heading + 180.0f, 0.0f, 1.0f, 0.0f);
  glCallList(resources.gun_list);
}

void DrawScene(const GameState& state, const GlResources& resources,
               SceneDrawing drawing, const RobotFlashes& flashes) {
  // One position serves the lights, the camera and the gun.
  const float px = state.player.x;
  const float pz = state.player.z;
  const float camera_angle = CameraAngle(state.player.heading);

  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  // The lights are given relative to the player under the camera's rotation
  // alone, so each stands at its place in the world.
  glPushMatrix();
  glRotatef(camera_angle, 0.0f, 1.0f, 0.0f);
  PlaceLights(px, pz);
  glPopMatrix();

  glRotatef(camera_angle, 0.0f, 1.0f, 0.0f);
  glTranslatef(-px, -kEyeHeight, -pz);
  // The camera is in place: what it cannot see need not be drawn.
  const Sight sight{CurrentViewVolume(), ShadowsOf(state.walls, GroundPoint{px, pz})};
  if (drawing == SceneDrawing::kReference) {
    DrawMaze(state, resources.textures, sight);
    DrawMovers(state, resources, flashes, sight.view);
    glPushMatrix();
    DrawWeapon(state, resources, px, pz);
    glPopMatrix();
    return;
  }
  // The gun stands in front of everything it covers, so it goes first and
  // the maze behind it is turned away unshaded. (Not the robots: they stand
  // on the floor, where a tie in depth goes to whatever came first.) The
  // maze and the movers are lit with the current normal, so they get the
  // one the gun found, and the frame ends on the one the gun leaves, as in
  // the reference.
  std::array<float, 4> normal_before{}, normal_after{}, coord_after{};
  glGetFloatv(GL_CURRENT_NORMAL, normal_before.data());
  // The gun's tubes face out and the eye never looks into one (the open
  // ends near the eye lie below the view or inside the cross-piece), so
  // what faces away is always hidden behind what faces the eye: culled
  // here, not shaded and then painted over.
  glEnable(GL_CULL_FACE);
  glPushMatrix();
  DrawWeapon(state, resources, px, pz);
  glPopMatrix();
  glDisable(GL_CULL_FACE);
  glGetFloatv(GL_CURRENT_NORMAL, normal_after.data());
  glGetFloatv(GL_CURRENT_TEXTURE_COORDS, coord_after.data());
  glNormal3f(normal_before[0], normal_before[1], normal_before[2]);
  DrawMazeNearToFar(state, resources.textures, sight, px, pz);
  DrawMovers(state, resources, flashes, sight.view, &sight.shadows);
  glNormal3f(normal_after[0], normal_after[1], normal_after[2]);
  glTexCoord2f(coord_after[0], coord_after[1]);
}

}  // namespace vorbexia
