#include "render/scene.h"

#include "render/gl_api.h"

#include <cmath>

#include "render/lights.h"
#include "render/movers.h"
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

bool MoverMayShow(const ViewVolume& view, float x, float z) {
  return !BallOutside(view, WorldPoint{x, kMoverBallHeight, z}, kMoverBallRadius);
}

// The shot and robots 0 to 4, each drawn in a push/pop pair of its own,
// from the camera transform, as the world's step left them. The shot is
// drawn only while it is active: after the step, exactly when that step was
// free (a shot that was not flying stays inactive, and a blocked step ends
// it).
//
// A mover wholly outside the view volume is not drawn. Each model binds its
// own texture and brings its own normals, and the gun that ends the frame
// does the same, so nothing drawn later depends on it.
void DrawMovers(const GameState& state, const GlResources& resources,
                const ViewVolume& view) {
  glPushMatrix();
  if (state.shot.active && MoverMayShow(view, state.shot.x, state.shot.z)) {
    DrawShot(state, resources);
  }
  glPopMatrix();
  for (int i = 0; i < kRobotCount; ++i) {
    glPushMatrix();
    const RobotState& robot = state.robots[i];
    if (MoverMayShow(view, robot.x, robot.z)) DrawRobot(state, resources, i);
    glPopMatrix();
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

void DrawScene(const GameState& state, const GlResources& resources) {
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
  DrawMaze(state, resources.textures, sight);
  DrawMovers(state, resources, sight.view);
  glPushMatrix();
  DrawWeapon(state, resources, px, pz);
  glPopMatrix();
}

}  // namespace vorbexia
