#include "render/reference_scene.h"

#include <GL/gl.h>

#include <cmath>

#include "render/lights.h"
#include "render/movers.h"
#include "render/scene.h"
#include "world/world.h"

namespace vorbexia {
namespace {

// Unit strips from the smaller end, while the strip's index is below the
// length; each start rounded to a float, its end that start plus 1.
void DrawWallQuadByQuad(const TextureTable& textures, const WallSegment& wall) {
  if (wall.x1 != wall.x2) {
    const float low = std::fmin(wall.x1, wall.x2);
    const float length = std::fabs(wall.x2 - wall.x1);
    for (int k = 0; static_cast<float>(k) < length; ++k) {
      const float start = low + static_cast<float>(k);
      DrawWallStrip(textures, start, wall.z1, start + 1.0f, wall.z2);
    }
  } else if (wall.z1 != wall.z2) {
    const float low = std::fmin(wall.z1, wall.z2);
    const float length = std::fabs(wall.z2 - wall.z1);
    for (int k = 0; static_cast<float>(k) < length; ++k) {
      const float start = low + static_cast<float>(k);
      DrawWallStrip(textures, wall.x1, start, wall.x1, start + 1.0f);
    }
  }
}

void DrawFloorAndCeilingTileByTile(const TextureTable& textures,
                                   const FloorRect& floor) {
  const int i0 = static_cast<int>(floor.x_min);
  const int j0 = static_cast<int>(floor.z_min);
  for (int i = i0; static_cast<float>(i) < floor.x_max; ++i) {
    for (int j = j0; static_cast<float>(j) < floor.z_max; ++j) {
      const float x0 = static_cast<float>(i), x1 = static_cast<float>(i + 1);
      const float z0 = static_cast<float>(j), z1 = static_cast<float>(j + 1);
      DrawFloorTile(textures, x0, z0, x1, z1);
      DrawCeilingTile(textures, x0, z0, x1, z1);
    }
  }
}

}  // namespace

void DrawReferenceScene(GameState& state, Random& random,
                        const GlResources& resources) {
  const float px = state.player.x;
  const float pz = state.player.z;
  const float camera_angle = 360.0f - state.player.heading;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  glPushMatrix();
  glRotatef(camera_angle, 0.0f, 1.0f, 0.0f);
  PlaceLights(px, pz);
  glPopMatrix();
  glRotatef(camera_angle, 0.0f, 1.0f, 0.0f);
  glTranslatef(-px, -0.45f, -pz);

  for (const WallSegment& wall : state.walls) DrawWallQuadByQuad(resources.textures, wall);
  DrawFloorAndCeilingTileByTile(resources.textures, state.floor);

  AdvanceWorld(state, random);
  glPushMatrix();
  if (state.shot.active) DrawShot(state, resources);
  glPopMatrix();
  for (int i = 0; i < kRobotCount; ++i) {
    glPushMatrix();
    DrawRobot(state, resources, i);
    glPopMatrix();
  }
  glPushMatrix();
  DrawWeapon(state, resources, px, pz);
  glPopMatrix();
}

}  // namespace vorbexia
